// Design of a lumped-selectivity filter for an intermediate-frequency
// channel, step by step: a chain of parallel LC circuits coupled by series
// capacitors, the source and the load on taps of the end circuits' coils.
#pragma once

#include "FormKit.h"
#include "ui_Unit11.h"

// "Расчёт ФСС"
class TForm11 : public velorix::TCalcForm, private Ui::Form11 {
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Label43Click();

private:
    // Values one step hands on to a later one: each holds a double (a field's
    // number or a stored result), is 0 until its step first writes it, and is
    // never reset.
    velorix::Ext f0 = 0; // working frequency, kHz (step 1)
    velorix::Ext П = 0;  // pass band, kHz (step 1)
    velorix::Ext d = 0;  // own damping of the circuits (step 1)
    velorix::Ext ρ = 0;  // characteristic impedance, kOhm (step 4)
    velorix::Ext m1 = 0; // tap ratio of the input circuit (step 4)
    velorix::Ext m2 = 0; // tap ratio of the output circuit (step 4)
};
