// Parallel LC circuit: characteristic impedance, resistance at resonance and
// pass band, and the resonance curve |Z(f)|, in three chained steps.
#pragma once

#include "FormKit.h"
#include "ui_Unit13.h"

#include <optional>

// "Параметры колебательного контура"
class TForm13 : public velorix::TCalcForm, private Ui::Form13 {
    Q_OBJECT
public:
    explicit TForm13(QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    // What a step leaves for the later ones: 0 at program start, kept while
    // the window is hidden, never reset.  Each holds a stored double.
    velorix::Ext f0_ = 0;  // resonance frequency, kHz
    velorix::Ext rho_ = 0; // characteristic impedance, Ohm
    velorix::Ext Q_ = 0;   // quality factor
    velorix::Ext Rp_ = 0;  // resistance at resonance, Ohm

    // The chain of values the characteristic shows, from the last
    // successful step 2; after each step the characteristic is out of date
    // while the remembered values differ from it.
    struct Chain {
        velorix::Ext f0, rho, Q, Rp;
        bool operator==(const Chain &) const = default;
    };
    std::optional<Chain> drawn_;
    void FollowChain();
};

// The window, created once at start-up (CreateCalculators).
extern TForm13 *Form13;
