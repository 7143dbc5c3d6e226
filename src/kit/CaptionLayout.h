// A window's controls placed by its captions as the fonts in use draw them:
// a definition puts a numeric field over a caption's run of blanks ("Ёмкость
// =          нФ"), a result just after its caption's text, and a second
// caption after the first, all measured in the face the designers had.  Any
// other face draws the captions wider or narrower; this keeps each control
// where the definition meant it.
#pragma once

class QWidget;

namespace velorix {

// Least room between a caption's characters and a result that follows it, and
// between the characters of two captions on one row, px.
inline constexpr int kTextGap = 3;

// Places the controls of a window whose labels are sized to their text, once,
// before it first paints.  Row by row, left to right:
//  - a field (or button) that stands in a caption's run of blanks moves the
//    least distance that puts it inside the run's span as drawn, or is
//    centred on a run narrower than itself;
//  - a result starts kTextGap px after the text before it, as does a caption
//    after the text of another caption on its row; a field, button or
//    picture that stands after a caption starts after its text;
//  - a control that moves right pushes the controls to its right on its row
//    along by as much, where they would come within kTextGap px of it.
// The window then grows to keep every control inside its client area (see
// WidenControls); one that no longer fits its screen scrolls (FitToScreen).
void PlaceByCaptions(QWidget *window);

// Two controls are on one row when the vertical middle of either lies
// within the other (a field stands a few pixels higher than its caption);
// each is given by its top and its bottom, exclusive.
bool OnOneRow(int top1, int bottom1, int top2, int bottom2);

} // namespace velorix
