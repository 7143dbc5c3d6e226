#include "Unit5.h"

TForm5::TForm5(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
}
