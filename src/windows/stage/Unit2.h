// Elements of the small-signal T-shaped equivalent circuit of a bipolar
// transistor, each computed on its own from datasheet values.
#pragma once

#include "FormKit.h"
#include "ui_Unit2.h"

class TForm2 : public velorix::TCalcForm, private Ui::Form2 {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
};

// The window, created once at start-up (CreateCalculators).
extern TForm2 *Form2;
