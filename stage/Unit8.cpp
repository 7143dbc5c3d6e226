#include "Unit8.h"

TForm8::TForm8(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/bias-two-supplies.jpg"));
}
