// Capacitive divider as an impedance transformer: the ratio
// n = (C1 + C2) / C1, and the load Rn n^2 seen from the generator.
#pragma once

#include "FormKit.h"
#include "ui_Unit14.h"

// "Ёмкостный делитель"
class TForm14 : public velorix::TCalcForm, private Ui::Form14 {
    Q_OBJECT
public:
    explicit TForm14(QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();

private:
    // The ratio last shown: 0 at program start, kept while the window is
    // hidden, never reset.  It holds a stored double.
    velorix::Ext n_ = 0;
};

// The window, created once at start-up (CreateCalculators).
extern TForm14 *Form14;
