#include "Unit11.h"

TForm11::TForm11(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    velorix::FinishDesign(this);
    velorix::ShowPicture(Image1, QStringLiteral(":/assets/lumped-filter.jpg"));
    velorix::ShowPicture(Image2, QStringLiteral(":/assets/filter-design-graphs.jpg"));
}
