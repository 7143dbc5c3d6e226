#include "Unit16.h"

TForm16::TForm16(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/compound-followers.jpg"));
}
