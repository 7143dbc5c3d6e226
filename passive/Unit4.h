#pragma once

#include "FormKit.h"
#include "ui_Unit4.h"

// "Реактивное сопротивление катушки"
class TForm4 : public velorix::TCalcForm, private Ui::Form4 {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
};
