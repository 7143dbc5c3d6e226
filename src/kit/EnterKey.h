// Return or keypad Enter in a numeric field runs the calculation that reads
// the field, as a click on its button does; on a button that has the focus
// it clicks the button, as Space does.
#pragma once

#include <QList>

class QAbstractButton;
class QLineEdit;

namespace velorix {

// Return or Enter in any of these fields clicks the button.  A field read by
// several buttons clicks the first of them in its window's focus order.  The
// field keeps its text and the keyboard focus.  Return or Enter on the button
// itself, while it has the focus, clicks it too (ClickOnReturn).
void ClickOnEnter(QAbstractButton *button, const QList<QLineEdit *> &fields);

// Return or Enter on the button, while it has the focus, clicks it.
void ClickOnReturn(QAbstractButton *button);

// The buttons whose calculation reads a field, in the order they were
// connected to it; none for a field no button reads.
QList<QAbstractButton *> ButtonsReading(const QLineEdit *field);

} // namespace velorix
