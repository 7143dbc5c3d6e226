// The main window: the about line, the support link and the menu that
// brings each calculator window to the screen.
#pragma once

#include "ui_Unit1.h"

#include <QMainWindow>

class TForm1 : public QMainWindow, private Ui::Form1 {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    void Label4Click();

protected:
    void changeEvent(QEvent *event) override;
};
