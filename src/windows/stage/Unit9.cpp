#include "Unit9.h"

TForm9 *Form9 = nullptr;

using namespace velorix;

TForm9::TForm9(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ShowPicture(Image1, QStringLiteral(":/assets/untuned-stage.jpg"));
    ShowPicture(Image2, QStringLiteral(":/assets/tuned-stage.jpg"));
    ConnectClick(Button1, this, &TForm9::Button1Click, {Edit1, Edit2});
    ConnectClick(Button2, this, &TForm9::Button2Click, {Edit4, Edit3, Edit5});
}

// Method: 1969 book on resonant transistor amplifiers, p. 140.

// Emitter bypass capacitor: its reactance at f is a tenth of the emitter
// junction resistance.
void TForm9::Button1Click()
{
    const Ext f = ReadNumber(Edit1);  // working frequency, kHz
    const Ext re = ReadNumber(Edit2); // emitter junction resistance, Ohm

    const Ext Ce = Store((1 / (f * 1000 * kTwoPi * re)) * 1000000000 * 10); // nF
    ShowNumber(Label5, Ce);
}

// Base capacitor of a tuned stage, grounding the cold end of the input coil:
// its reactance at f is a tenth of the input resistance h21e * re.
void TForm9::Button2Click()
{
    const Ext f = ReadNumber(Edit4);    // working frequency, kHz
    const Ext re = ReadNumber(Edit3);   // emitter junction resistance, Ohm
    const Ext h21e = ReadNumber(Edit5); // static current transfer ratio

    const Ext Cb = Store((1 / (f * 1000 * kTwoPi * re * h21e)) * 1000000000 * 10); // nF
    ShowNumber(Label7, Cb);
}
