#include "Unit12.h"

TForm12::TForm12(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
}
