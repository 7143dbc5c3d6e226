#include "Unit16.h"

TForm16 *Form16 = nullptr;

using namespace velorix;

TForm16::TForm16(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ShowPicture(Image1, QStringLiteral(":/assets/compound-followers.jpg"));
    ConnectClick(Button1, this, &TForm16::Button1Click,
                 {Edit1, Edit2, Edit6, Edit7, Edit3, Edit4, Edit5, Edit8});
    ConnectClick(Button2, this, &TForm16::Button2Click,
                 {Edit1, Edit2, Edit6, Edit7, Edit3, Edit4, Edit5, Edit8});
}

// Method: 1971 article on the analysis of emitter followers with compound
// transistors, in a collection on semiconductor devices in telecommunications.
// Both couplings read the same eight fields, in this order.
TForm16::Inputs TForm16::ReadInputs() const
{
    Inputs in;
    in.rb1 = ReadNumber(Edit1);
    in.re1 = ReadNumber(Edit2);
    in.rb2 = ReadNumber(Edit6);
    in.re2 = ReadNumber(Edit7);
    in.beta1 = ReadNumber(Edit3);
    in.beta2 = ReadNumber(Edit4);
    in.Rl = ReadNumber(Edit5);
    in.Rs = ReadNumber(Edit8);
    return in;
}

void TForm16::ShowResults(const Inputs &in, Ext Rin0, Ext Rout0)
{
    // The compound transistor's current gain is taken as beta1 beta2 + 1.
    const Ext Rin = Store((in.beta1 * in.beta2 + 1) * in.Rl + Rin0); // Ohm
    ShowNumber(Label14, Round(Rin));

    const Ext Rout = Store(in.Rs / (in.beta1 * in.beta2 + 1) + Rout0); // Ohm
    ShowNumber(Label17, Round(Rout));

    // Without the source term: the divider of Rout0 and the load.
    const Ext K = Store(1 / (Rout0 / in.Rl + 1));
    ShowNumber(Label19, K);
}

// Fig. 1a: the emitter of T1 drives the base of T2.
void TForm16::Button1Click()
{
    const Inputs in = ReadInputs();

    const Ext r1 = Store((in.beta1 + 1) * in.re1 + in.rb1); // input resistance of T1, Ohm
    const Ext q1 = Store(r1 / (in.beta1 + 1));              // T1 seen from its emitter, Ohm

    const Ext r2 = Store((in.beta2 + 1) * in.re2 + in.rb2); // input resistance of T2, Ohm
    const Ext q2 = Store(r2 / (in.beta2 + 1));              // T2 seen from its emitter, Ohm

    const Ext Rin0 = Store((1 + in.beta1) * r2 + r1);
    const Ext Rout0 = Store(q1 / (1 + in.beta2) + q2);
    ShowResults(in, Rin0, Rout0);
}

// Fig. 1b: the collector of T1 drives the base of T2; rb2 and re2 do not enter.
void TForm16::Button2Click()
{
    const Inputs in = ReadInputs();

    const Ext r1 = Store((in.beta1 + 1) * in.re1 + in.rb1); // input resistance of T1, Ohm
    const Ext q1 = Store(r1 / (in.beta1 + 1));              // T1 seen from its emitter, Ohm

    const Ext Rin0 = r1;
    const Ext Rout0 = Store(q1 / in.beta2);
    ShowResults(in, Rin0, Rout0);
}
