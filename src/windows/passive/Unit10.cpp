#include "Unit10.h"

TForm10 *Form10 = nullptr;

using namespace velorix;

TForm10::TForm10(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ShowPicture(Image1, QStringLiteral(":/assets/transformer.jpg"));
    ConnectClick(Button1, this, &TForm10::Button1Click, {Edit1, Edit2});
    ConnectClick(Button2, this, &TForm10::Button2Click, {Edit3, Edit4});
}

// Transformation ratio that matches the load to the source.
void TForm10::Button1Click()
{
    const Ext Zn = ReadNumber(Edit1); // load impedance, Ohm
    const Ext Zg = ReadNumber(Edit2); // source impedance, Ohm

    const Ext K = Store(Sqrt(Zg / Zn));
    ShowNumber(Label6, K);
}

// Impedance of the primary winding with the load on the secondary.
void TForm10::Button2Click()
{
    const Ext Zn = ReadNumber(Edit3); // load impedance, Ohm
    const Ext K = ReadNumber(Edit4);  // transformation ratio

    const Ext Z1 = Store(K * K * Zn); // Ohm
    ShowNumber(Label9, Z1);
}
