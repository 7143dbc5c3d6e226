#include "Unit12.h"

#include "Selectivity.h"

TForm12 *Form12 = nullptr;

using namespace velorix;

TForm12::TForm12(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm12::Button1Click);
}

// Coupling capacitor Ссв between the end LC circuit and the piezoelectric
// filter terminated in Rф: Ссв = sqrt(Rф / (а ρк)) Cк.
void TForm12::Button1Click()
{
    const Ext Rf = ReadNumber(Edit1);   // Rф, the filter's characteristic impedance, Ohm
    const Ext rhoK = ReadNumber(Edit2); // ρк, the end circuit's characteristic impedance, Ohm
    const Ext a = ReadNumber(Edit3);    // а, a coefficient, best 7 to 10
    const Ext Ck = ReadNumber(Edit4);   // Cк, the end circuit's capacitance, pF
    ShowNumber(Label17, CouplingCapacitance(Rf, rhoK, a, Ck)); // Ссв, pF
}
