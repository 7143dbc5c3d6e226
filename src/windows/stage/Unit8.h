// Bias of a common-emitter stage fed from two supplies, a collector supply
// and a bias supply, with thermal stabilisation by DC current feedback
// through the emitter resistor; the base is tied to ground.
#pragma once

#include "FormKit.h"
#include "ui_Unit8.h"

class TForm8 : public velorix::TCalcForm, private Ui::Form8 {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    void Button1Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm8 *Form8;
