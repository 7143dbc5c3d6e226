#pragma once

#include "FormKit.h"
#include "ui_Unit16.h"

// "Анализ"
class TForm16 : public velorix::TCalcForm, private Ui::Form16 {
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);
};
