// The passive circuits' calculators: R and C in series and in parallel, the
// matching transformer, the oscillating circuit and the capacitive divider.
// Every result is stored as a double in the order the window shows it.  No
// widget code.
#pragma once

#include "Chain.h"

namespace velorix {

// R and C in series at f: the reactance Xc, Ohm, the impedance Z, Ohm, and
// the phase shift φ, degrees (cos φ = R / Z).  C in nF, R in Ohm, f in kHz.
struct SeriesRcImpedance : Chain {
    Result Xc, Z, phi;
};
SeriesRcImpedance SeriesRcImpedanceOf(Ext C, Ext R, Ext f);

// The same across the RMS voltage U, V: the admittance Y and its active and
// reactive parts g and b, S; the current I, A; the voltages across C and R,
// V; the active, reactive and apparent powers P, W, Q, var, S, VA; the power
// factor P / S.
struct SeriesRc : SeriesRcImpedance {
    Result Y, g, b, I, UC, UR, P, Q, S, PF;
};
SeriesRc SeriesRcOf(Ext C, Ext R, Ext f, Ext U);

// R and C in parallel at f: the reactance Xc, Ohm, the conductance g, the
// susceptance b and the admittance Y, S, and the impedance Z, Ohm.
struct ParallelRcAdmittance : Chain {
    Result Xc, g, b, Y, Z;
};
ParallelRcAdmittance ParallelRcAdmittanceOf(Ext C, Ext R, Ext f);

// The phase shift between the voltage and the total current, degrees:
// cos φ = g / Y.
Ext ParallelRcPhase(Ext g, Ext Y);

// The same across the RMS voltage U, V: the branch currents IR and IC and
// the total current I, A; the powers P, W, Q, var, S, VA; the phase shift φ,
// degrees, last.
struct ParallelRc : ParallelRcAdmittance {
    Result IR, IC, I, P, Q, S, phi;
};
ParallelRc ParallelRcOf(Ext C, Ext R, Ext f, Ext U);

// The transformation ratio that matches the load Zn to the source Zg,
// K = √(Zg / Zn), and the primary's impedance K² Zn with the load on the
// secondary, Ohm.
Ext TransformationRatio(Ext Zn, Ext Zg);
Ext PrimaryImpedance(Ext Zn, Ext K);

// A parallel LC circuit of characteristic impedance ρ, Ohm, at its
// resonance f0, kHz, with the quality factor Q: the resistance at resonance
// Rp = Q ρ, Ohm, and the pass band f0 / Q, kHz.
struct LcCircuit : Chain {
    Result Rp, P;
};
LcCircuit LcCircuitOf(Ext f0, Ext rho, Ext Q);

// A capacitive divider of C1 and C2 (any one unit): its ratio
// n = (C1 + C2) / C1, and the load Rn, Ohm, as the source sees it, n² Rn.
Ext DividerRatio(Ext C1, Ext C2);
Ext DividerLoad(Ext n, Ext Rn);

} // namespace velorix
