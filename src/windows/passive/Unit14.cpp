#include "Unit14.h"

#include "Passive.h"

TForm14 *Form14 = nullptr;

using namespace velorix;

TForm14::TForm14(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm14::Button1Click);
    ConnectClick(Button2, this, &TForm14::Button2Click);
}

// Transformation ratio of the divider; only the ratio of the capacitances
// counts, so they are taken in nF as typed.
void TForm14::Button1Click()
{
    const Ext C1 = ReadNumber(Edit1); // nF
    const Ext C2 = ReadNumber(Edit2); // nF

    n_ = DividerRatio(C1, C2);
    ShowNumber(Label5, n_);
}

// Load resistance seen from the generator, with the ratio last computed.
void TForm14::Button2Click()
{
    const Ext n = n_;

    const Ext Rn = ReadNumber(Edit3); // Ohm

    ShowNumber(Label9, DividerLoad(n, Rn)); // Ohm
}
