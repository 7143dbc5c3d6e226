#include "Unit3.h"

using namespace velorix;

TForm3::TForm3(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm3::Button1Click);
}

void TForm3::Button1Click()
{
    const Ext C = ReadNumber(Edit1); // nF
    const Ext f = ReadNumber(Edit2); // kHz

    Ext a = f * 1000;                  // Hz
    a = a * 6.283185307179586477L;     // 2 pi f, rad/s
    const Ext k = 1e-9L * C;           // F
    const Ext Xc = Store(1 / (a * k)); // Ohm
    ShowNumber(Label6, Xc);
}
