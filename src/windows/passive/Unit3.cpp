#include "Unit3.h"

#include "Characteristics.h"
#include "Reactance.h"

TForm3 *Form3 = nullptr;

using namespace velorix;

TForm3::TForm3(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm3::Button1Click);
}

void TForm3::Button1Click()
{
    const Ext C = ReadNumber(Edit1); // nF
    const Ext f = ReadNumber(Edit2); // kHz

    const Ext Xc = CapacitorReactance(C, f); // Ohm
    ShowNumber(Label6, Xc);

    UpdateCharacteristic(this, [C, f] { return CapacitorReactanceCurve(C, f); });
}
