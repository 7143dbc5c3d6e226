#pragma once

#include "FormKit.h"
#include "ui_Unit2.h"

// "Схема замещения"
class TForm2 : public velorix::TCalcForm, private Ui::Form2 {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};
