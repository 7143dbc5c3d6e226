#include "Unit4.h"

TForm4::TForm4(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
}
