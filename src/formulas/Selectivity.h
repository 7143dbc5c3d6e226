// The selectivity calculators: the steps of the lumped-selectivity filter's
// design (1975 handbook on high-frequency transistor stages of receivers,
// p. 87) and the coupling of a piezoelectric filter.  Every result is
// stored as a double.  No widget code.
#pragma once

#include "Chain.h"

#include <cstdint>

namespace velorix {

// Step 1: a lumped-selectivity filter is worth using when the relative
// pass band П / (2 √2 f0) is at least the circuits' own damping d; f0 and П
// in one unit.
bool FilterWorthUsing(Ext f0, Ext P, Ext d);

// Step 3: the sections needed for the adjacent-channel selectivity S, dB,
// when one section gives σ1, dB: S / σ1 rounded up.
std::int32_t SectionCount(Ext S, Ext sigma1);

// Step 4: the tap ratios m1 and m2 of the end circuits that match the
// source resistance Rg and the load resistance Rn, Ohm, to the
// characteristic impedance ρ, kOhm.
struct TapRatios : Chain {
    Result m1, m2;
};
TapRatios TapRatiosOf(Ext rho, Ext Rg, Ext Rn);

// Step 6: the element values from f0 and П, kHz, ρ, kOhm, the tap ratios
// and the source and load capacitances Ci and Cn, pF: the coupling
// capacitors C1, the middle circuits' C2, the input and output circuits'
// C3 and C4, pF; the middle and end circuits' inductances L1 and L2, uH.
struct FilterElements : Chain {
    Result C1, C2, C3, C4, L1, L2;
};
FilterElements FilterElementsOf(Ext f0, Ext P, Ext rho, Ext m1, Ext m2, Ext Ci, Ext Cn);

// The coupling capacitor, pF, between the end LC circuit of characteristic
// impedance ρк, Ohm, and capacitance Ck, pF, and a piezoelectric filter
// terminated in Rf, Ohm: √(Rf / (a ρк)) Ck, with a coefficient a (best 7
// to 10).
Ext CouplingCapacitance(Ext Rf, Ext rhoK, Ext a, Ext Ck);

} // namespace velorix
