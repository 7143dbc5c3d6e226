#include "Unit4.h"

using namespace velorix;

TForm4::TForm4(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm4::Button1Click, {Edit1, Edit2});
}

void TForm4::Button1Click()
{
    const Ext L = ReadNumber(Edit1); // uH
    const Ext f = ReadNumber(Edit2); // kHz

    Ext a = f * 1000;              // Hz
    a = a * 6.283185307179586477L; // 2 pi f, rad/s
    const Ext k = 1e-6L * L;       // H
    const Ext XL = Store(a * k);   // Ohm
    ShowNumber(Label6, XL);
}
