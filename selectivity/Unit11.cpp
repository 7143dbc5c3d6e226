#include "Unit11.h"

TForm11::TForm11(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
}
