// Impedance matching by a transformer: the ratio K = sqrt(Zg / Zn) that
// matches a load Zn to a source Zg, and the impedance K^2 Zn that a load
// presents at the primary winding.
#pragma once

#include "FormKit.h"
#include "ui_Unit10.h"

// "Трансформация сопротивлений"
class TForm10 : public velorix::TCalcForm, private Ui::Form10 {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm10 *Form10;
