#pragma once

#include "FormKit.h"
#include "ui_Unit5.h"

// "Последовательное соединение R и С"
class TForm5 : public velorix::TCalcForm, private Ui::Form5 {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
};
