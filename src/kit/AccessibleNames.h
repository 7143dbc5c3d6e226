// Accessible names for a window's numeric fields and result labels, taken
// from the captions they stand in, so that a screen reader tells them apart.
#pragma once

#include <QString>

class QObject;
class QWidget;

namespace velorix {

// Marks the result labels of a window whose definition was just set up (the
// labels empty now, IsEmptyInDefinition), so that assistive technology
// reads their numbers.
void MarkResultLabels(QWidget *window);

// Names the fields and the result labels of a window, from its captions as
// its fonts draw them (so once the labels are sized).  A field is named after
// the text before it on its row, back to the previous field or result, and
// the unit that follows it: "Ёмкость =    нФ" names its field "Ёмкость, нФ".
// A result label is named the same way ("Хс, Ом:" gives "Хс, Ом"); its text
// stays its value.  Does nothing for a window without either.
void NameControls(QWidget *window);

// Whether a label is a result label of a window that MarkResultLabels has
// seen.  Assistive technology reads such a label's name, and its text
// as its value (and description).
bool IsResultLabel(const QObject *label);

} // namespace velorix
