#pragma once

#include "FormKit.h"
#include "ui_Unit11.h"

// "Расчёт ФСС"
class TForm11 : public velorix::TCalcForm, private Ui::Form11 {
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);
};
