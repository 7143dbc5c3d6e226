#pragma once

#include "FormKit.h"
#include "ui_Unit9.h"

// "Расчёт развязывающих ёмкостей транзисторного каскада"
class TForm9 : public velorix::TCalcForm, private Ui::Form9 {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);
};
