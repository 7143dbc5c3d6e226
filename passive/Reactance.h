// The reactance of a capacitor, shared by the windows that start from it.
// No widget code.
#pragma once

#include "Numeric.h"

namespace velorix {

// Xc = 1 / (2 pi f C), Ohm, stored, for C in nF and f in kHz.  The
// division-by-zero error when C or f is 0.
Ext CapacitorReactance(Ext C, Ext f);

} // namespace velorix
