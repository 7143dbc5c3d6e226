#include "Unit8.h"

#include "Bias.h"

TForm8 *Form8 = nullptr;

using namespace velorix;

TForm8::TForm8(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm8::Button1Click);
}

// Method: 1975 handbook on high-frequency transistor stages of receivers.
void TForm8::Button1Click()
{
    BiasInputs in;
    in.Ek = ReadNumber(Edit1);
    in.Tmin = ReadNumber(Edit2);
    in.Tmax = ReadNumber(Edit3);
    in.Iko = ReadNumber(Edit4);
    in.Ik = ReadNumber(Edit5);
    in.Uke = ReadNumber(Edit6);
    in.dIk = ReadNumber(Edit7);

    // RadioButton1: silicon, RadioButton2: germanium.
    in.material = MaterialOf(RadioButton1->isChecked(), RadioButton2->isChecked());

    const BiasTwoSupplies r = BiasTwoSuppliesOf(in);
    ShowRounded(Label17, r.IkoMax); // uA
    ShowNumber(Label19, r.dUb);     // V
    ShowRounded(Label20, r.Re);     // Ohm
    if (r.Re && !(*r.Re >= 0))
        ShowWarning(QStringLiteral("Rэ < 0, выберите транзистор с меньшим обратным током коллектора либо "
                                   "увеличьте ток покоя коллектора"));
    ShowNumber(Label21, r.Ec);  // V
    ShowRounded(Label23, r.Rk); // Ohm
    if (r.Rk && !(*r.Rk >= 0))
        ShowWarning(QStringLiteral("Rк < 0, увеличьте напряжение питания"));
    r.RaiseError();
}
