// How the kit tells the controls of a window definition apart, written once
// for every part of the kit (and the tests) that asks.
#pragma once

#include <QLabel>
#include <QSize>
#include <QTextLayout>

namespace velorix {

// The frame of a sizeable window on the designers' desktop, which a
// definition's geometry includes: 4 px borders and a 26 px caption bar.
inline constexpr QSize kDesignFrame(8, 34);

// Room kept between a control and the window's right edge where the window
// widens for it (a long result, a caption drawn wider than designed), px.
inline constexpr int kRightMargin = 8;

// A picture box is a label named "Image…": it shows a picture, never text.
inline bool IsPictureBox(const QObject *label)
{
    return label->objectName().startsWith(QLatin1String("Image"));
}

// A result label is a text label that the definition leaves empty; a
// handler writes its number.  Only meaningful before any handler has run:
// afterwards, IsResultLabel (AccessibleNames.h) tells.
inline bool IsEmptyInDefinition(const QLabel *label)
{
    return label->text().isEmpty() && !IsPictureBox(label);
}

// Lays a text out as the one line a plain-text label draws it in; the line
// lasts as long as the layout.
inline QTextLine OneLine(QTextLayout &layout)
{
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line;
}

} // namespace velorix
