#include "Unit13.h"

TForm13::TForm13(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
}
