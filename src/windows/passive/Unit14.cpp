#include "Unit14.h"

TForm14 *Form14 = nullptr;

using namespace velorix;

TForm14::TForm14(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ShowPicture(Image1, QStringLiteral(":/assets/capacitive-divider.jpg"));
    ConnectClick(Button1, this, &TForm14::Button1Click, {Edit1, Edit2});
    ConnectClick(Button2, this, &TForm14::Button2Click, {Edit3});
}

// Transformation ratio of the divider; only the ratio of the capacitances
// counts, so they are taken in nF as typed.
void TForm14::Button1Click()
{
    const Ext C1 = ReadNumber(Edit1); // nF
    const Ext C2 = ReadNumber(Edit2); // nF

    const Ext n = Store((C1 + C2) / C1);
    n_ = n;
    ShowNumber(Label5, n);
}

// Load resistance seen from the generator, with the ratio last computed.
void TForm14::Button2Click()
{
    const Ext n = n_;

    const Ext Rn = ReadNumber(Edit3); // Ohm

    const Ext Rgen = Store(n * n * Rn); // Ohm
    ShowNumber(Label9, Rgen);
}
