// A window larger than the available area of its screen: it opens at that
// area's size at most, and its controls scroll inside it.
#pragma once

#include <QSize>

class QWidget;

namespace velorix {

// Checks a top-level window, about to be shown, against the available area
// of its screen, frame included (frame: the room its frame takes).  A window
// that fits keeps its size, and false is returned; where its position leaves
// part of it off the area, it moves the least distance that brings it wholly
// on (a position on the area is left exactly as it is).  One that does not
// gets its controls moved into a scroll area that fills it and is shrunk to
// the area; it keeps its position, moved only as far as needed to keep it on
// the area, or is centred on the area (centre).  A field that gets the
// keyboard focus is scrolled into view.  Called before the window system
// first frames the window, a position is the frame's, as a designed one is.
bool FitToScreen(QWidget *window, QSize frame, bool centre);

// Centres a window on the available area of its screen, frame included.
void CentreOnScreen(QWidget *window, QSize frame);

// The widget that holds the window's controls: the window itself, or the
// scroll area's content.
QWidget *ControlsOf(QWidget *window);

// Widens the room of a window's controls to width pixels: the window itself,
// or the scroll area's content and the window with it, as far as the window
// still fits its screen.
void WidenControls(QWidget *window, int width, QSize frame);

} // namespace velorix
