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
    velorix::Ext f0_ = 0;  // working frequency f0, kHz (step 1)
    velorix::Ext P_ = 0;   // pass band П, kHz (step 1)
    velorix::Ext d_ = 0;   // own damping d of the circuits (step 1)
    velorix::Ext rho_ = 0; // characteristic impedance ρ, kOhm (step 4)
    velorix::Ext m1_ = 0;  // tap ratio m1 of the input circuit (step 4)
    velorix::Ext m2_ = 0;  // tap ratio m2 of the output circuit (step 4)
};

// The window, created once at start-up (CreateCalculators).
extern TForm11 *Form11;
