// A resistor and a capacitor in series across a sinusoidal source: the
// impedance, the phase angle, the admittance, the current, the voltages and
// the powers.
#pragma once

#include "FormKit.h"
#include "ui_Unit5.h"

class TForm5 : public velorix::TCalcForm, private Ui::Form5 {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    void Button1Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm5 *Form5;
