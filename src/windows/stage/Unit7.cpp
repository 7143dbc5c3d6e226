#include "Unit7.h"

#include "BiasFields.h"

TForm7 *Form7 = nullptr;

using namespace velorix;

TForm7::TForm7(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm7::Button1Click);
}

// Method: 1975 handbook on high-frequency transistor stages of receivers, p. 35.
void TForm7::Button1Click()
{
    const BiasInputs in =
        ReadBiasInputs({Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7}, RadioButton1, RadioButton2);
    const Ext Ue = ReadNumber(Edit8); // voltage across Re, V

    if (Ue > in.Ek)
        ShowWarning(tr("Ошибка: Ure > Ek!"));

    const BiasOneSupply r = BiasOneSupplyOf(in, Ue);
    ShowRounded(Label13, r.IkoMax); // uA
    ShowNumber(Label16, r.dUb);     // V
    ShowRounded(Label20, r.Re);     // Ohm
    ShowRounded(Label22, r.Rk);     // Ohm
    if (r.Rk && !(*r.Rk >= 0))
        ShowWarning(tr("Rк < 0, увеличьте Ек"));
    ShowRounded(Label25, r.R1); // Ohm
    ShowRounded(Label28, r.R2); // Ohm
    r.RaiseError();

    if (!(*r.R1 >= 0))
        ShowWarning(tr(
            "R1 < 0, увеличьте напряжение на Rэ или максимальную рабочую температуру и рассчитайте заново"));
}
