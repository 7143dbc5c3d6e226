#pragma once

#include "FormKit.h"
#include "ui_Unit10.h"

// "Трансформация сопротивлений"
class TForm10 : public velorix::TCalcForm, private Ui::Form10 {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);
};
