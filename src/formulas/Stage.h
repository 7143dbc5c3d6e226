// The transistor stage's calculators: the small-signal equivalent circuit,
// the decoupling capacitors, the common-emitter stage and the compound
// emitter follower.  Every result is stored as a double.  No widget code.
#pragma once

#include "Chain.h"

namespace velorix {

// The T equivalent circuit of a bipolar transistor (books on the input
// stages of transistor receivers, 1973, and on resonant amplifiers, 1969).
// The emitter junction's resistance, Ohm, from the emitter current Ie, mA,
// with a thermal voltage of 25.6 mV.
Ext EmitterJunctionResistance(Ext Ie);
// The collector junction's differential resistance, Ohm, from two points
// of the output characteristic: voltages U1, U2, V, currents I1, I2, mA.
Ext CollectorJunctionResistance(Ext U1, Ext U2, Ext I1, Ext I2);
// The emitter junction's diffusion capacitance 1 / (2π fT re), pF, for re
// in Ohm and the transition frequency fT in MHz.
Ext EmitterDiffusionCapacitance(Ext re, Ext fT);
// The collector junction's capacitance at U, pF, from Ck0, pF, at U0: it
// falls with the square root of the voltage.
Ext CollectorCapacitance(Ext U0, Ext Ck0, Ext U);
// The base spreading resistance τ / Ck, Ohm, for τ in ps and Ck in pF.
Ext BaseSpreadingResistance(Ext tau, Ext Ck);

// Decoupling capacitors, nF, at the working frequency f, kHz (1969 book on
// resonant transistor amplifiers, p. 140): the emitter's, whose reactance
// is a tenth of re, Ohm, and the base's of a tuned stage, a tenth of
// h21e re.
Ext EmitterBypassCapacitance(Ext f, Ext re);
Ext BaseBypassCapacitance(Ext f, Ext re, Ext h21e);

// The common-emitter stage (1977 textbook on transistor circuits, p. 327):
// the input resistance at the base, (1 + β)(re + Re) + rb, Ohm, and the
// voltage gain −β (Rk ∥ Rl) / (Rs + Rin), its sign the phase inversion.
Ext StageInputResistance(Ext rb, Ext re, Ext Re, Ext beta);
Ext StageVoltageGain(Ext Rk, Ext Rin, Ext Rs, Ext Rl, Ext beta);

// An emitter follower on a compound transistor, T1 driving T2 (1971
// article on emitter followers with compound transistors).
struct CompoundTransistor {
    Ext rb1, re1;     // base and emitter resistance of T1, Ohm
    Ext rb2, re2;     // base and emitter resistance of T2, Ohm
    Ext beta1, beta2; // their current gains
    Ext Rl;           // load resistance, Ohm
    Ext Rs;           // signal source resistance, Ohm
};
// Its input and output resistances, Ohm, and voltage transfer coefficient.
struct CompoundFollower : Chain {
    Result Rin, Rout, K;
};
// Fig. 1a: the emitter of T1 drives the base of T2.
CompoundFollower EmitterBaseFollower(const CompoundTransistor &t);
// Fig. 1b: the collector of T1 drives the base of T2; rb2 and re2 do not
// enter.
CompoundFollower CollectorBaseFollower(const CompoundTransistor &t);

} // namespace velorix
