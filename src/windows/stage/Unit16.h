// Emitter follower on a compound transistor (T1 driving T2): input and
// output resistance and voltage transfer coefficient, for emitter-base
// coupling (Fig. 1a) and collector-base coupling (Fig. 1b).
#pragma once

#include "FormKit.h"
#include "ui_Unit16.h"

class TForm16 : public velorix::TCalcForm, private Ui::Form16 {
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();

private:
    struct Inputs {
        velorix::Ext rb1, re1; // base and emitter resistance of T1, Ohm
        velorix::Ext rb2, re2; // base and emitter resistance of T2, Ohm
        velorix::Ext beta1, beta2;
        velorix::Ext Rl; // load resistance, Ohm
        velorix::Ext Rs; // signal source resistance, Ohm
    };
    Inputs ReadInputs() const;
    // The loaded follower from the unloaded input and output resistances.
    void ShowResults(const Inputs &in, velorix::Ext Rin0, velorix::Ext Rout0);
};

// The window, created once at start-up (CreateCalculators).
extern TForm16 *Form16;
