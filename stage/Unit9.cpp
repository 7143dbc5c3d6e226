#include "Unit9.h"

TForm9::TForm9(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
}
