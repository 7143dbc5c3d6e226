#pragma once

#include "FormKit.h"
#include "ui_Unit8.h"

// "Схема термостабилизации с ОС по току (двухбатарейное питание)"
class TForm8 : public velorix::TCalcForm, private Ui::Form8 {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);
};
