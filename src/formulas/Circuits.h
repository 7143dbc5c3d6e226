// Steps of the AC circuit and filter formulas that a window's handler and
// its characteristic both take: each computes one named value and stores it
// as a double, so that a curve through the entered point gives there the
// very number the window shows.  No widget code.
#pragma once

#include "Numeric.h"

namespace velorix {

// √(a² + b²), stored: the impedance of R and X in series, Ohm, or the
// admittance of g and b in parallel, S.
Ext RootSumSquare(Ext a, Ext b);

// 1 / x, stored: a conductance from a resistance, an impedance from an
// admittance and so on.  The division-by-zero error at x = 0.
Ext Reciprocal(Ext x);

// The phase shift between voltage and current whose cosine is given
// (R / Z in series, g / Y in parallel), rad, stored: 0 to pi/2 for a
// positive cosine, with no sign.
Ext PhaseShift(Ext cosine);

// |Z| of a parallel resonant circuit at the frequency f, Ohm, stored:
// Rp / √(Q² y² + 1) with the generalised detuning y = f / f0 − f0 / f
// (stored), f and f0 in the same unit.
Ext ResonanceImpedance(Ext f0, Ext Q, Ext Rp, Ext f);

// The generalised damping β = 2 f0 d / П of a lumped-selectivity filter's
// circuits, stored, for f0 and П in the same unit.
Ext GeneralisedDamping(Ext f0, Ext d, Ext P);

// The relative detuning α = 2 Δf / П, stored, for Δf and П in the same unit.
Ext RelativeDetuning(Ext df, Ext P);

} // namespace velorix
