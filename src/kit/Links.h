// Link labels that stay readable on the palette's background, and the
// program's one rule for a dark background.
#pragma once

class QLabel;
class QPalette;

namespace velorix {

// Whether the palette's window background is dark: light text reads better
// on it than dark text (white has the higher contrast there than black).
bool IsDark(const QPalette &palette);

// A link label keeps the colour of its definition ("color: blue") where the
// window's background is light.  On a dark background it takes the
// palette's link colour when that reads well there, or else that colour made
// lighter until it does; it follows later changes of the palette.
void KeepLinkReadable(QLabel *link);

} // namespace velorix
