#pragma once

#include "FormKit.h"
#include "ui_Unit14.h"

// "Ёмкостный делитель"
class TForm14 : public velorix::TCalcForm, private Ui::Form14 {
    Q_OBJECT
public:
    explicit TForm14(QWidget *parent = nullptr);
};
