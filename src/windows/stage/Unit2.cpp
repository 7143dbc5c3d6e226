#include "Unit2.h"

TForm2 *Form2 = nullptr;

using namespace velorix;

TForm2::TForm2(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ShowPicture(Image1, QStringLiteral(":/assets/equivalent-circuit.jpg"));
    ConnectClick(Button1, this, &TForm2::Button1Click, {Edit1});
    ConnectClick(Button2, this, &TForm2::Button2Click, {Edit2, Edit3, Edit4, Edit5});
    ConnectClick(Button3, this, &TForm2::Button3Click, {Edit6, Edit7});
    ConnectClick(Button4, this, &TForm2::Button4Click, {Edit8, Edit9, Edit10});
    ConnectClick(Button5, this, &TForm2::Button5Click, {Edit11, Edit12});
}

// Method: books on the input stages of transistor receivers (1973) and on
// resonant amplifiers (1969).

// Emitter junction resistance from the emitter current at the operating point.
void TForm2::Button1Click()
{
    const Ext Ie = ReadNumber(Edit1); // mA

    const Ext re = Store(0xC.CCCCCCCCCCCCCCDp+1L / Ie); // Ohm; 25.6 mV thermal voltage
    ShowNumber(Label7, Round(re));
}

// Differential resistance of the collector junction from two points of the
// output characteristic.
void TForm2::Button2Click()
{
    const Ext U1 = ReadNumber(Edit2); // collector-emitter voltage of point 1, V
    const Ext U2 = ReadNumber(Edit3); // collector-emitter voltage of point 2, V
    const Ext I1 = ReadNumber(Edit4); // collector current of point 1, mA
    const Ext I2 = ReadNumber(Edit5); // collector current of point 2, mA

    const Ext rk = Store((U2 - U1) / (I2 / 1000 - I1 / 1000)); // Ohm
    ShowNumber(Label15, Round(rk));
}

// Diffusion capacitance of the emitter junction: Ce = 1 / (2 pi fT re).
void TForm2::Button3Click()
{
    const Ext re = ReadNumber(Edit6); // Ohm
    const Ext fT = ReadNumber(Edit7); // transition frequency, MHz

    const Ext Ce = Store((1 / (fT * 1000000 * kTwoPi * re)) * 1e12); // pF
    ShowNumber(Label25, Ce);
}

// Collector junction capacitance at the circuit's collector voltage: it falls
// with the square root of the voltage.
void TForm2::Button4Click()
{
    const Ext U0 = ReadNumber(Edit8);  // reference collector voltage, V
    const Ext Ck0 = ReadNumber(Edit9); // capacitance at U0, pF
    const Ext U = ReadNumber(Edit10);  // collector voltage in the circuit, V

    const Ext Ck = Store(Sqrt(U0 / U) * (Ck0 * kPico) * 1e12); // pF
    ShowNumber(Label29, Ck);
}

// Base spreading resistance from the feedback time constant: rb = tau / Ck.
void TForm2::Button5Click()
{
    const Ext tau = ReadNumber(Edit11); // ps
    const Ext Ck = ReadNumber(Edit12);  // pF

    const Ext rb = Store(tau / Ck); // Ohm, since ps / pF = Ohm
    ShowNumber(Label34, Round(rb));
}
