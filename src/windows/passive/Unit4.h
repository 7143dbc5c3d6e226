// Reactance of an inductor in an AC circuit: XL = 2 pi f L.
#pragma once

#include "FormKit.h"
#include "ui_Unit4.h"

class TForm4 : public velorix::TCalcForm, private Ui::Form4 {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    void Button1Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm4 *Form4;
