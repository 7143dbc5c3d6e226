#include "Unit2.h"

TForm2::TForm2(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
}
