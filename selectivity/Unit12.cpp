#include "Unit12.h"

using namespace velorix;

TForm12::TForm12(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ShowPicture(Image1, QStringLiteral(":/assets/piezo-filter-stage.jpg"));
    ConnectClick(Button1, this, &TForm12::Button1Click, {Edit1, Edit2, Edit3, Edit4});
}

// Coupling capacitor Ссв between the end LC circuit and the piezoelectric
// filter terminated in Rф: Ссв = sqrt(Rф / (а ρк)) Cк.
void TForm12::Button1Click()
{
    const Ext Rф = ReadNumber(Edit1);         // filter's characteristic impedance, Ohm
    const Ext ρк = ReadNumber(Edit2);         // end circuit's characteristic impedance, Ohm
    const Ext а = ReadNumber(Edit3);          // coefficient, best 7 to 10
    const Ext Cк = ReadNumber(Edit4);         // end circuit's capacitance, pF
    const Ext p = Store(а * ρк);              // Ohm
    const Ext Cсв = Store(Sqrt(Rф / p) * Cк); // pF
    ShowNumber(Label17, Cсв);
}
