#include "Unit8.h"

#include "BiasFields.h"

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
    const BiasInputs in =
        ReadBiasInputs({Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7}, RadioButton1, RadioButton2);
    const BiasTwoSupplies r = BiasTwoSuppliesOf(in);
    ShowRounded(Label17, r.IkoMax); // uA
    ShowNumber(Label19, r.dUb);     // V
    ShowRounded(Label20, r.Re);     // Ohm
    if (r.Re && !(*r.Re >= 0))
        ShowWarning(tr("Rэ < 0, выберите транзистор с меньшим обратным током коллектора либо "
                       "увеличьте ток покоя коллектора"));
    ShowNumber(Label21, r.Ec);  // V
    ShowRounded(Label23, r.Rk); // Ohm
    if (r.Rk && !(*r.Rk >= 0))
        ShowWarning(tr("Rк < 0, увеличьте напряжение питания"));
    r.RaiseError();
}
