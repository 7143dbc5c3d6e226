// Bias network of a single-supply common-emitter stage with thermal
// stabilisation by DC current feedback through the emitter resistor.
#pragma once

#include "FormKit.h"
#include "ui_Unit7.h"

class TForm7 : public velorix::TCalcForm, private Ui::Form7 {
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    void Button1Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm7 *Form7;
