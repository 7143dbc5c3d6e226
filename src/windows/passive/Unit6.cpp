#include "Unit6.h"

#include "Characteristics.h"
#include "Circuits.h"
#include "Reactance.h"

TForm6 *Form6 = nullptr;

using namespace velorix;

TForm6::TForm6(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ShowPicture(Image1, QStringLiteral(":/assets/parallel-rc.jpg"));
    ConnectClick(Button1, this, &TForm6::Button1Click, {Edit1, Edit2, Edit3, Edit4});
    AddCharacteristic(this, Button1);
}

void TForm6::Button1Click()
{
    const Ext C = ReadNumber(Edit1); // nF
    const Ext R = ReadNumber(Edit2); // Ohm
    const Ext f = ReadNumber(Edit3); // kHz
    const Ext U = ReadNumber(Edit4); // RMS volts

    const Ext Xc = CapacitorReactance(C, f); // Ohm
    ShowNumber(Label7, Xc);

    const Ext g = Reciprocal(R); // S
    ShowNumber(Label9, g);
    const Ext b = Reciprocal(Xc); // S
    ShowNumber(Label11, b);
    const Ext Y = RootSumSquare(g, b); // S
    ShowNumber(Label13, Y);
    const Ext Z = Reciprocal(Y); // Ohm
    ShowNumber(Label15, Z);

    const Ext IR = Store(U / R); // A
    ShowNumber(Label18, IR);
    const Ext IC = Store(U / Xc); // A
    ShowNumber(Label20, IC);
    const Ext IR2 = Store(IR * IR);       // A^2
    const Ext IC2 = Store(IC * IC);       // A^2
    const Ext I = Store(Sqrt(IR2 + IC2)); // A
    ShowNumber(Label28, I);

    const Ext P = Store(U * IR); // W
    ShowNumber(Label22, P);
    const Ext Q = Store(U * IC); // var
    ShowNumber(Label24, Q);
    const Ext S = Store(U * I); // VA
    ShowNumber(Label26, S);

    // Phase shift between voltage and total current: cos phi = g / Y.
    const Ext phi = PhaseShift(g / Y);            // rad
    ShowNumber(Label30, phi * kDegreesPerRadian); // degrees

    UpdateCharacteristic(this, [C, R, f] { return ParallelRcCurve(C, R, f); });
}
