#include "Unit6.h"

#include "Characteristics.h"
#include "Passive.h"

TForm6 *Form6 = nullptr;

using namespace velorix;

TForm6::TForm6(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm6::Button1Click);
}

void TForm6::Button1Click()
{
    const Ext C = ReadNumber(Edit1); // nF
    const Ext R = ReadNumber(Edit2); // Ohm
    const Ext f = ReadNumber(Edit3); // kHz
    const Ext U = ReadNumber(Edit4); // RMS volts

    const ParallelRc r = ParallelRcOf(C, R, f, U);
    ShowNumber(Label7, r.Xc);   // Ohm
    ShowNumber(Label9, r.g);    // S
    ShowNumber(Label11, r.b);   // S
    ShowNumber(Label13, r.Y);   // S
    ShowNumber(Label15, r.Z);   // Ohm
    ShowNumber(Label18, r.IR);  // A
    ShowNumber(Label20, r.IC);  // A
    ShowNumber(Label28, r.I);   // A
    ShowNumber(Label22, r.P);   // W
    ShowNumber(Label24, r.Q);   // var
    ShowNumber(Label26, r.S);   // VA
    ShowNumber(Label30, r.phi); // degrees
    r.RaiseError();

    UpdateCharacteristic(this, [C, R, f] { return ParallelRcCurve(C, R, f); });
}
