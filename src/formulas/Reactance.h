// The reactances of a capacitor and of an inductor, shared by the windows
// that start from them.  No widget code.
#pragma once

#include "Numeric.h"

namespace velorix {

// Xc = 1 / (2 pi f C), Ohm, stored, for C in nF and f in kHz.  The
// division-by-zero error when C or f is 0.
Ext CapacitorReactance(Ext C, Ext f);

// XL = 2 pi f L, Ohm, stored, for L in uH and f in kHz.
Ext InductorReactance(Ext L, Ext f);

} // namespace velorix
