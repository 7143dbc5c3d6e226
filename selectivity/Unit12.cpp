#include "Unit12.h"

TForm12::TForm12(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/piezo-filter-stage.jpg"));
}
