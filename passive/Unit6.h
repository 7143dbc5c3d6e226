#pragma once

#include "FormKit.h"
#include "ui_Unit6.h"

// "Параллельное соединение R и С"
class TForm6 : public velorix::TCalcForm, private Ui::Form6 {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);
};
