#include "Unit6.h"

TForm6::TForm6(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
}
