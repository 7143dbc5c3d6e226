// The numbers that a window definition puts into its fields, shown with the
// decimal separator in use.
#pragma once

class QLineEdit;

namespace velorix {

// A field's text in its definition is a number written with the separator
// of the desktop the windows were designed on, ",".  Shows it with the
// separator in use ("0,006" as "0.006" under "."), and again with the new
// one whenever the separator changes, as long as the field still shows it.
void KeepPreset(QLineEdit *field);

} // namespace velorix
