#include "Unit10.h"

#include "Passive.h"

TForm10 *Form10 = nullptr;

using namespace velorix;

TForm10::TForm10(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm10::Button1Click);
    ConnectClick(Button2, this, &TForm10::Button2Click);
}

// Transformation ratio that matches the load to the source.
void TForm10::Button1Click()
{
    const Ext Zn = ReadNumber(Edit1); // load impedance, Ohm
    const Ext Zg = ReadNumber(Edit2); // source impedance, Ohm

    ShowNumber(Label6, TransformationRatio(Zn, Zg));
}

// Impedance of the primary winding with the load on the secondary.
void TForm10::Button2Click()
{
    const Ext Zn = ReadNumber(Edit3); // load impedance, Ohm
    const Ext K = ReadNumber(Edit4);  // transformation ratio

    ShowNumber(Label9, PrimaryImpedance(Zn, K)); // Ohm
}
