#include "Unit9.h"

TForm9::TForm9(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/untuned-stage.jpg"));
    velorix::ShowPicture(Image2, QStringLiteral(":/assets/tuned-stage.jpg"));
}
