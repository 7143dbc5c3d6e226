#include "Unit5.h"

TForm5::TForm5(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/series-rc.jpg"));
}
