// Emitter follower on a compound transistor (T1 driving T2): input and
// output resistance and voltage transfer coefficient, for emitter-base
// coupling (Fig. 1a) and collector-base coupling (Fig. 1b).
#pragma once

#include "FormKit.h"
#include "Stage.h"
#include "ui_Unit16.h"

class TForm16 : public velorix::TCalcForm, private Ui::Form16 {
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();

private:
    velorix::CompoundTransistor ReadInputs() const;
    void ShowResults(const velorix::CompoundFollower &r);
};

// The window, created once at start-up (CreateCalculators).
extern TForm16 *Form16;
