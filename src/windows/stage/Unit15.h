// Input resistance and voltage gain of a common-emitter stage at low and
// medium frequencies.
#pragma once

#include "FormKit.h"
#include "ui_Unit15.h"

class TForm15 : public velorix::TCalcForm, private Ui::Form15 {
    Q_OBJECT
public:
    explicit TForm15(QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm15 *Form15;
