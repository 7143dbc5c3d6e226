#include "Unit5.h"

#include "Characteristics.h"
#include "Passive.h"

TForm5 *Form5 = nullptr;

using namespace velorix;

TForm5::TForm5(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm5::Button1Click);
}

void TForm5::Button1Click()
{
    const Ext C = ReadNumber(Edit1); // nF
    const Ext R = ReadNumber(Edit2); // Ohm
    const Ext f = ReadNumber(Edit3); // kHz
    const Ext U = ReadNumber(Edit4); // RMS volts

    const SeriesRc r = SeriesRcOf(C, R, f, U);
    ShowNumber(Label7, r.Xc);   // Ohm
    ShowNumber(Label9, r.Z);    // Ohm
    ShowNumber(Label11, r.phi); // degrees
    ShowNumber(Label13, r.Y);   // S
    ShowNumber(Label15, r.g);   // S
    ShowNumber(Label17, r.b);   // S
    ShowNumber(Label20, r.I);   // A
    ShowNumber(Label22, r.UC);  // V
    ShowNumber(Label24, r.UR);  // V
    ShowNumber(Label26, r.P);   // W
    ShowNumber(Label28, r.Q);   // var
    ShowNumber(Label30, r.S);   // VA
    ShowNumber(Label32, r.PF);  // power factor
    r.RaiseError();

    UpdateCharacteristic(this, [C, R, f] { return SeriesRcCurve(C, R, f); });
}
