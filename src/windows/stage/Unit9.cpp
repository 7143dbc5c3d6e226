#include "Unit9.h"

#include "Stage.h"

TForm9 *Form9 = nullptr;

using namespace velorix;

TForm9::TForm9(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm9::Button1Click);
    ConnectClick(Button2, this, &TForm9::Button2Click);
}

// Method: 1969 book on resonant transistor amplifiers, p. 140.

// Emitter bypass capacitor: its reactance at f is a tenth of the emitter
// junction resistance.
void TForm9::Button1Click()
{
    const Ext f = ReadNumber(Edit1);  // working frequency, kHz
    const Ext re = ReadNumber(Edit2); // emitter junction resistance, Ohm

    ShowNumber(Label5, EmitterBypassCapacitance(f, re)); // nF
}

// Base capacitor of a tuned stage, grounding the cold end of the input coil:
// its reactance at f is a tenth of the input resistance h21e * re.
void TForm9::Button2Click()
{
    const Ext f = ReadNumber(Edit4);    // working frequency, kHz
    const Ext re = ReadNumber(Edit3);   // emitter junction resistance, Ohm
    const Ext h21e = ReadNumber(Edit5); // static current transfer ratio

    ShowNumber(Label7, BaseBypassCapacitance(f, re, h21e)); // nF
}
