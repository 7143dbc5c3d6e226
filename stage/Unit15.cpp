#include "Unit15.h"

TForm15::TForm15(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/stage-analysis.jpg"));
}
