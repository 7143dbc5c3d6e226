#include "Unit8.h"

#include "Bias.h"

TForm8 *Form8 = nullptr;

using namespace velorix;

TForm8::TForm8(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ShowPicture(Image1, QStringLiteral(":/assets/bias-two-supplies.jpg"));
    ConnectClick(Button1, this, &TForm8::Button1Click, {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7});
}

// Method: 1975 handbook on high-frequency transistor stages of receivers.
void TForm8::Button1Click()
{
    const Ext Ek = ReadNumber(Edit1);   // collector supply voltage, V
    const Ext Tmin = ReadNumber(Edit2); // lowest working temperature, degC
    const Ext Tmax = ReadNumber(Edit3); // highest working temperature, degC
    const Ext Iko = ReadNumber(Edit4);  // reverse collector current at 20 degC, uA
    const Ext Ik = ReadNumber(Edit5);   // quiescent collector current, mA
    const Ext Uke = ReadNumber(Edit6);  // quiescent collector-emitter voltage, V
    const Ext dIk = ReadNumber(Edit7);  // permitted drift of Ik over the range, mA

    // RadioButton1: silicon, RadioButton2: germanium.
    const Material material = MaterialOf(RadioButton1->isChecked(), RadioButton2->isChecked());

    const ThermalDrift drift(Tmin, Tmax, material);
    const Ext Ube0 = OpenJunctionVoltage(material); // V

    const Ext IkoMax = drift.ReverseCurrentAtTmax(Iko); // uA
    ShowNumber(Label17, Round(IkoMax));

    const Ext dUb = drift.BaseVoltageShift(); // V
    ShowNumber(Label19, dUb);

    // Keeps the drift of Ik within dIk once the reverse current at Tmax is
    // taken off the margin.
    const Ext Re = Store(dUb / (dIk * kMilli - IkoMax * kMicro)); // Ohm
    ShowNumber(Label20, Round(Re));
    if (!(Re >= 0))
        ShowWarning(QStringLiteral("Rэ < 0, выберите транзистор с меньшим обратным током коллектора либо "
                                   "увеличьте ток покоя коллектора"));

    // Bias supply that drives Ik through Re with the base at ground, V.
    const Ext Ec = Store(Ik * kMilli * Re + Ube0);
    ShowNumber(Label21, Ec);

    // Collector loop from +Ek through Rk, the transistor and Re to -Ec:
    // Ek + Ec = Ik Rk + Uke + Ik Re.
    const Ext Rk = Store((Ek + Ec - Uke) / (Ik * kMilli) - Re); // Ohm
    ShowNumber(Label23, Round(Rk));
    if (!(Rk >= 0))
        ShowWarning(QStringLiteral("Rк < 0, увеличьте напряжение питания"));
}
