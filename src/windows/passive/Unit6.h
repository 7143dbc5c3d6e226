// A resistor and a capacitor in parallel across a sinusoidal source: the
// admittance and impedance, the branch and total currents, the powers and
// the phase angle.
#pragma once

#include "FormKit.h"
#include "ui_Unit6.h"

class TForm6 : public velorix::TCalcForm, private Ui::Form6 {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);

    void Button1Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm6 *Form6;
