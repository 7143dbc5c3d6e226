// Accessible names for a window's numeric fields, result labels and buttons,
// taken from the captions they stand in, so that a screen reader tells them
// apart.
#pragma once

#include <QString>

class QLabel;
class QObject;
class QWidget;

namespace velorix {

// Marks the result labels of a window whose definition was just set up (the
// labels empty now, IsEmptyInDefinition), so that assistive technology
// reads their numbers; and its decoration labels, captions without a letter
// or a digit (a row of "="), which it skips.
void MarkResultLabels(QWidget *window);

// Names the fields, the result labels and the buttons of a window, from its
// captions as its fonts draw them (so once the labels are sized).  A field
// is named after the text before it on its row, back to the previous field
// or result, and the unit that follows it: "Ёмкость =    нФ" names its field
// "Ёмкость, нФ".  A result label is named the same way ("Хс, Ом:" gives
// "Хс, Ом"); its text stays its value.  Names are spoken as meant: a Latin
// letter that looks like a Cyrillic one inside a Cyrillic word is read as
// that letter, a lone C after a number or as a unit is "°C".  A push button
// is named for what it computes, its caption and the symbols of its results
// ("Рассчитать rэ"), where each of them has one.  A field whose name another
// control of the window has too is told apart by what its button computes
// ("Рабочая частота (Сэ), кГц").  The buttons of a radio group get the
// group's name ("Материал транзистора") as their description.  A small
// table overrides what captions give badly.
void NameControls(QWidget *window);

// Whether a label is a result label of a window that MarkResultLabels has
// seen, or one that MarkWrittenLabel made so.  Assistive technology reads
// such a label's name, and its text as its value (and description).
bool IsResultLabel(const QObject *label);

// Makes a caption label that a handler writes a text into (a verdict) a
// result label, named after the caption it had until then; later calls do
// nothing.
void MarkWrittenLabel(QLabel *label);

} // namespace velorix
