// Link labels that stay readable on the palette's background.
#pragma once

class QLabel;

namespace velorix {

// A link label keeps the colour of its definition ("color: blue") where the
// window's background is light.  On a dark background it takes the
// palette's link colour when that reads well there, or else that colour made
// lighter until it does; it follows later changes of the palette.
void KeepLinkReadable(QLabel *link);

} // namespace velorix
