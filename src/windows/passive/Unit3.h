// Reactance of a capacitor in an AC circuit: Xc = 1 / (2 pi f C).
#pragma once

#include "FormKit.h"
#include "ui_Unit3.h"

class TForm3 : public velorix::TCalcForm, private Ui::Form3 {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    void Button1Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm3 *Form3;
