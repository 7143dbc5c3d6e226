// The main window: the about line, the support link and the menu that
// brings each calculator window to the screen.
#pragma once

#include "ui_Unit1.h"

#include <QMainWindow>

class TForm1 : public QMainWindow, private Ui::Form1 {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    void N2Click();
    void N3Click();
    void R1Click();
    void R2Click();
    void N4Click();
    void N6Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void N10Click();
    void N11Click();
    void N12Click();
    void N13Click();
    void N14Click();
    void N15Click();
    void Label4Click();

protected:
    void changeEvent(QEvent *event) override;
};
