#include "Unit10.h"

TForm10::TForm10(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/transformer.jpg"));
}
