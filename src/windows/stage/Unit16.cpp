#include "Unit16.h"

TForm16 *Form16 = nullptr;

using namespace velorix;

TForm16::TForm16(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm16::Button1Click);
    ConnectClick(Button2, this, &TForm16::Button2Click);
}

// Both couplings read the same eight fields, in this order.
CompoundTransistor TForm16::ReadInputs() const
{
    CompoundTransistor t;
    t.rb1 = ReadNumber(Edit1);
    t.re1 = ReadNumber(Edit2);
    t.rb2 = ReadNumber(Edit6);
    t.re2 = ReadNumber(Edit7);
    t.beta1 = ReadNumber(Edit3);
    t.beta2 = ReadNumber(Edit4);
    t.Rl = ReadNumber(Edit5);
    t.Rs = ReadNumber(Edit8);
    return t;
}

void TForm16::ShowResults(const CompoundFollower &r)
{
    ShowRounded(Label14, r.Rin);  // Ohm
    ShowRounded(Label17, r.Rout); // Ohm
    ShowNumber(Label19, r.K);
    r.RaiseError();
}

// Fig. 1a: the emitter of T1 drives the base of T2.
void TForm16::Button1Click() { ShowResults(EmitterBaseFollower(ReadInputs())); }

// Fig. 1b: the collector of T1 drives the base of T2.
void TForm16::Button2Click() { ShowResults(CollectorBaseFollower(ReadInputs())); }
