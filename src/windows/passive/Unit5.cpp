#include "Unit5.h"

#include "Characteristics.h"
#include "Circuits.h"
#include "Reactance.h"

TForm5 *Form5 = nullptr;

using namespace velorix;

TForm5::TForm5(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ShowPicture(Image1, QStringLiteral(":/assets/series-rc.jpg"));
    ConnectClick(Button1, this, &TForm5::Button1Click, {Edit1, Edit2, Edit3, Edit4});
    AddCharacteristic(this, Button1);
}

void TForm5::Button1Click()
{
    const Ext C = ReadNumber(Edit1); // nF
    const Ext R = ReadNumber(Edit2); // Ohm
    const Ext f = ReadNumber(Edit3); // kHz
    const Ext U = ReadNumber(Edit4); // RMS volts

    const Ext Xc = CapacitorReactance(C, f); // Ohm
    ShowNumber(Label7, Xc);

    const Ext Z = RootSumSquare(R, Xc); // Ohm
    ShowNumber(Label9, Z);

    // Phase shift between voltage and current: cos phi = R / Z.
    const Ext phi = PhaseShift(R / Z);            // rad
    ShowNumber(Label11, phi * kDegreesPerRadian); // degrees

    const Ext Y = Reciprocal(Z); // S
    ShowNumber(Label13, Y);
    const Ext g = Reciprocal(R); // S
    ShowNumber(Label15, g);
    const Ext b = Reciprocal(Xc); // S
    ShowNumber(Label17, b);

    const Ext I = Store(U / Z); // A
    ShowNumber(Label20, I);
    const Ext UC = Store(I * Xc); // V
    ShowNumber(Label22, UC);
    const Ext UR = Store(I * R); // V
    ShowNumber(Label24, UR);

    const Ext P = Store(UR * I); // W
    ShowNumber(Label26, P);
    const Ext Q = Store(UC * I); // var
    ShowNumber(Label28, Q);
    const Ext S = Store(U * I); // VA
    ShowNumber(Label30, S);
    const Ext PF = Store(P / S); // power factor
    ShowNumber(Label32, PF);

    UpdateCharacteristic(this, [C, R, f] { return SeriesRcCurve(C, R, f); });
}
