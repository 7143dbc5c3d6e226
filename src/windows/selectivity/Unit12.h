// Adjacent-channel selectivity of a lumped-selectivity filter improved by a
// piezoelectric last section: its coupling capacitor.
#pragma once

#include "FormKit.h"
#include "ui_Unit12.h"

// "Способ повышения избирательности по соседнему каналу"
class TForm12 : public velorix::TCalcForm, private Ui::Form12 {
    Q_OBJECT
public:
    explicit TForm12(QWidget *parent = nullptr);

    void Button1Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm12 *Form12;
