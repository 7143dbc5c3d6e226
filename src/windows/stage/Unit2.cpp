#include "Unit2.h"

#include "Stage.h"

TForm2 *Form2 = nullptr;

using namespace velorix;

TForm2::TForm2(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm2::Button1Click);
    ConnectClick(Button2, this, &TForm2::Button2Click);
    ConnectClick(Button3, this, &TForm2::Button3Click);
    ConnectClick(Button4, this, &TForm2::Button4Click);
    ConnectClick(Button5, this, &TForm2::Button5Click);
}

// Method: books on the input stages of transistor receivers (1973) and on
// resonant amplifiers (1969).

// Emitter junction resistance from the emitter current at the operating point.
void TForm2::Button1Click()
{
    const Ext Ie = ReadNumber(Edit1); // mA

    ShowNumber(Label7, Round(EmitterJunctionResistance(Ie))); // Ohm
}

// Differential resistance of the collector junction from two points of the
// output characteristic.
void TForm2::Button2Click()
{
    const Ext U1 = ReadNumber(Edit2); // collector-emitter voltage of point 1, V
    const Ext U2 = ReadNumber(Edit3); // collector-emitter voltage of point 2, V
    const Ext I1 = ReadNumber(Edit4); // collector current of point 1, mA
    const Ext I2 = ReadNumber(Edit5); // collector current of point 2, mA

    ShowNumber(Label15, Round(CollectorJunctionResistance(U1, U2, I1, I2))); // Ohm
}

// Diffusion capacitance of the emitter junction: Ce = 1 / (2 pi fT re).
void TForm2::Button3Click()
{
    const Ext re = ReadNumber(Edit6); // Ohm
    const Ext fT = ReadNumber(Edit7); // transition frequency, MHz

    ShowNumber(Label25, EmitterDiffusionCapacitance(re, fT)); // pF
}

// Collector junction capacitance at the circuit's collector voltage: it falls
// with the square root of the voltage.
void TForm2::Button4Click()
{
    const Ext U0 = ReadNumber(Edit8);  // reference collector voltage, V
    const Ext Ck0 = ReadNumber(Edit9); // capacitance at U0, pF
    const Ext U = ReadNumber(Edit10);  // collector voltage in the circuit, V

    ShowNumber(Label29, CollectorCapacitance(U0, Ck0, U)); // pF
}

// Base spreading resistance from the feedback time constant: rb = tau / Ck.
void TForm2::Button5Click()
{
    const Ext tau = ReadNumber(Edit11); // ps
    const Ext Ck = ReadNumber(Edit12);  // pF

    ShowNumber(Label34, Round(BaseSpreadingResistance(tau, Ck))); // Ohm
}
