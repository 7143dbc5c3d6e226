#include "Unit14.h"

TForm14::TForm14(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/capacitive-divider.jpg"));
}
