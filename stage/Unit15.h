#pragma once

#include "FormKit.h"
#include "ui_Unit15.h"

// "Анализ каскада"
class TForm15 : public velorix::TCalcForm, private Ui::Form15 {
    Q_OBJECT
public:
    explicit TForm15(QWidget *parent = nullptr);
};
