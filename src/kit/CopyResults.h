// The command that puts a whole calculation on the clipboard, for pasting
// into notes or a report.
#pragma once

#include <QStringList>

#include <functional>

class QWidget;

namespace velorix {

// Further "name<Tab>text" lines of a window's calculation that no label
// holds (a reading drawn on a picture), copied after the results; asked for
// at each copy.
void AddResultLines(QWidget *window, std::function<QStringList()> lines);

// Gives a calculator window the command "Копировать результаты" in a context
// menu on its background and on Ctrl+Shift+C, also while a field has focus.
// It puts the window's calculation on the clipboard as text: the window's
// caption, then one line per control, "name<Tab>text": first its fields in
// focus order, with one line for each radio group where its first button
// comes ("name<Tab>chosen option", empty when none is chosen), then the
// result labels that hold a value, verdicts included (ShowText), top to
// bottom and left to right.  Names are the accessible names, a radio group's
// the description of its buttons (see NameControls).
void AddCopyResults(QWidget *window);

} // namespace velorix
