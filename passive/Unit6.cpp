#include "Unit6.h"

TForm6::TForm6(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/parallel-rc.jpg"));
}
