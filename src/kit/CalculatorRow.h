// What the table of calculators states about one window besides its class
// (src/windows/Calculators.cpp), and how the kit applies it to the window
// it is given: the kit itself names no window.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QWidget;

namespace velorix {

struct CalculatorRow {
    // The object name of the main window's menu command that shows it.
    const char *menuItem;
    // Its picture boxes and their resources under ":/assets/", each
    // "ImageN=file.jpg", separated by blanks.
    const char *pictures;
    // Which fields each button's handler reads, in that order: Return in any
    // of them clicks the button (ClickOnEnter).  "Button1: Edit1 Edit2;
    // Button2: Edit3".
    const char *enter;
    // Accessible names that the captions give badly, "Edit8=name", separated
    // by "|" (NameControls).
    const char *names;
    // The button whose calculation draws its characteristic, for the command
    // "Характеристика" (AddCharacteristic); null when it has none.
    const char *characteristic;
};

// A row's buttons, each with the fields its handler reads, in order.
QList<QPair<QString, QStringList>> FieldsRead(const CalculatorRow &row);

// A row's picture boxes, each with its resource's file name.
QList<QPair<QString, QString>> PicturesShown(const CalculatorRow &row);

// Gives a window just made what its row states: its pictures, Return in its
// fields, its name overrides and its characteristic command.
void ApplyRow(QWidget *window, const CalculatorRow &row);

// The name a window's row gives a control instead of its caption's; empty
// when the row gives none.
QString NameOverride(const QWidget *window, const QString &control);

} // namespace velorix
