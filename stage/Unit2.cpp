#include "Unit2.h"

TForm2::TForm2(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/equivalent-circuit.jpg"));
}
