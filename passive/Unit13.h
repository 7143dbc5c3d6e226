#pragma once

#include "FormKit.h"
#include "ui_Unit13.h"

// "Параметры колебательного контура"
class TForm13 : public velorix::TCalcForm, private Ui::Form13 {
    Q_OBJECT
public:
    explicit TForm13(QWidget *parent = nullptr);
};
