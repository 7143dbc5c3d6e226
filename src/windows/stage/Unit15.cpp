#include "Unit15.h"

#include "Stage.h"

TForm15 *Form15 = nullptr;

using namespace velorix;

TForm15::TForm15(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm15::Button1Click);
    ConnectClick(Button2, this, &TForm15::Button2Click);
}

// Method: 1977 textbook on the theory of transistors and transistor circuits, p. 327.

// Input resistance seen at the base: Rin = (1 + beta)(re + Re) + rb.
void TForm15::Button1Click()
{
    const Ext rb = ReadNumber(Edit1);   // base resistance, Ohm
    const Ext re = ReadNumber(Edit2);   // emitter resistance of the transistor, Ohm
    const Ext Re = ReadNumber(Edit3);   // emitter resistor, Ohm (0 without one)
    const Ext beta = ReadNumber(Edit4); // static current transfer coefficient

    ShowNumber(Label10, StageInputResistance(rb, re, Re, beta)); // Ohm
}

// Voltage gain: Ku = -beta (Rk || Rl) / (Rs + Rin); the sign is the phase
// inversion of the common-emitter stage.
void TForm15::Button2Click()
{
    const Ext Rk = ReadNumber(Edit5);   // collector resistor, Ohm
    const Ext Rin = ReadNumber(Edit6);  // input resistance of the stage, Ohm
    const Ext Rs = ReadNumber(Edit7);   // signal source resistance, Ohm
    const Ext Rl = ReadNumber(Edit8);   // load resistance, Ohm
    const Ext beta = ReadNumber(Edit4); // static current transfer coefficient

    ShowNumber(Label20, StageVoltageGain(Rk, Rin, Rs, Rl, beta));
}
