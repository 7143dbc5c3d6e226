// Design of a lumped-selectivity filter for an intermediate-frequency
// channel, step by step: a chain of parallel LC circuits coupled by series
// capacitors, the source and the load on taps of the end circuits' coils.
#pragma once

#include "FormKit.h"
#include "ui_Unit11.h"

#include <optional>

namespace velorix {
class GraphMarks;
}

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

    // What the readings on the graphs are made from: the last successful
    // step 2, with the f0, П and d it used, and the last successful step 3.
    struct Step2 {
        velorix::Ext f0, P, d; // as remembered then
        velorix::Ext beta, df, alpha;
        bool operator==(const Step2 &) const = default;
    };
    struct Step3 {
        int n;
        velorix::Ext S;             // dB
        std::optional<Step2> basis; // the step 2 in force then
        bool operator==(const Step3 &) const = default;
    };
    std::optional<Step2> step2_;
    std::optional<Step3> step3_;
    // The design the characteristic last showed.
    std::optional<std::pair<Step2, Step3>> shown_;
    velorix::GraphMarks *marks_;

    // At the end of each of steps 1 to 3, whether it succeeded or failed: σ1
    // is marked while step 2's f0, П and d are still the remembered ones, and
    // Кф while, besides, step 3 came after that step 2; then the
    // characteristic follows a changed design, and is out of date while the
    // remembered values differ from the design it shows.
    void UpdateReadings();
};

// The window, created once at start-up (CreateCalculators).
extern TForm11 *Form11;
