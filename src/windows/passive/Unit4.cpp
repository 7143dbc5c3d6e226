#include "Unit4.h"

#include "Characteristics.h"
#include "Reactance.h"

TForm4 *Form4 = nullptr;

using namespace velorix;

TForm4::TForm4(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm4::Button1Click);
}

void TForm4::Button1Click()
{
    const Ext L = ReadNumber(Edit1); // uH
    const Ext f = ReadNumber(Edit2); // kHz

    const Ext XL = InductorReactance(L, f); // Ohm
    ShowNumber(Label6, XL);

    UpdateCharacteristic(this, [L, f] { return InductorReactanceCurve(L, f); });
}
