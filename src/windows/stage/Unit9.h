// Decoupling capacitors of a transistor stage at its working frequency: the
// emitter bypass capacitor and the base capacitor of a tuned stage.
#pragma once

#include "FormKit.h"
#include "ui_Unit9.h"

class TForm9 : public velorix::TCalcForm, private Ui::Form9 {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm9 *Form9;
