#include "Unit7.h"

#include "Bias.h"

TForm7 *Form7 = nullptr;

using namespace velorix;

TForm7::TForm7(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ShowPicture(Image1, QStringLiteral(":/assets/bias-one-supply.jpg"));
    ConnectClick(Button1, this, &TForm7::Button1Click,
                 {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8});
}

// Method: 1975 handbook on high-frequency transistor stages of receivers, p. 35.
void TForm7::Button1Click()
{
    const Ext Ek = ReadNumber(Edit1);   // supply voltage, V
    const Ext Tmin = ReadNumber(Edit2); // lowest working temperature, degC
    const Ext Tmax = ReadNumber(Edit3); // highest working temperature, degC
    const Ext Iko = ReadNumber(Edit4);  // reverse collector current at 20 degC, uA
    const Ext Ik = ReadNumber(Edit5);   // quiescent collector current, mA
    const Ext Uke = ReadNumber(Edit6);  // quiescent collector-emitter voltage, V
    const Ext dIk = ReadNumber(Edit7);  // permitted drift of Ik over the range, mA
    const Ext Ue = ReadNumber(Edit8);   // voltage across Re, V

    if (Ue > Ek)
        ShowWarning(QStringLiteral("Ошибка: Ure > Ek!"));

    // RadioButton1: silicon, RadioButton2: germanium.
    const Material material = MaterialOf(RadioButton1->isChecked(), RadioButton2->isChecked());

    const ThermalDrift drift(Tmin, Tmax, material);
    const Ext IkoMax = drift.ReverseCurrentAtTmax(Iko); // uA
    ShowNumber(Label13, Round(IkoMax));

    const Ext dUb = drift.BaseVoltageShift(); // V
    ShowNumber(Label16, dUb);

    const Ext Re = Store(Ue / (Ik * kMilli)); // Ohm
    ShowNumber(Label20, Round(Re));

    const Ext Rk = Store((Ek - Uke) / (Ik * kMilli) - Re); // Ohm
    ShowNumber(Label22, Round(Rk));
    if (!(Rk >= 0))
        ShowWarning(QStringLiteral("Rк < 0, увеличьте Ек"));

    const Ext R1 =
        Store((Ek / (Ik * kMilli)) * ((dIk * kMilli * Re - dUb) / (IkoMax * kMicro * Re) - 1)); // Ohm
    ShowNumber(Label25, Round(R1));

    // Ue = Ek leaves no voltage across R1, and the divider has no solution.
    // The stored Re can make Ik * Re miss Ek by a rounding, which would turn
    // the zero below into a tiny difference and R2 into nonsense near 1E18.
    if (Ue == Ek)
        throw CalcError::divisionByZero();
    const Ext R2 = Store(R1 * Re * (Ik * kMilli) / (Ek - Ik * kMilli * Re)); // Ohm
    ShowNumber(Label28, Round(R2));

    if (!(R1 >= 0))
        ShowWarning(QStringLiteral(
            "R1 < 0, увеличьте напряжение на Rэ или максимальную рабочую температуру и рассчитайте заново"));
}
