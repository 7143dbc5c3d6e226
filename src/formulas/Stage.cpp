#include "Stage.h"

namespace velorix {

// Ohm, from the emitter current in mA and the 25.6 mV thermal voltage (the
// x87 value nearest to 25.6).
Ext EmitterJunctionResistance(Ext Ie) { return Store(0xC.CCCCCCCCCCCCCCDp+1L / Ie); }

Ext CollectorJunctionResistance(Ext U1, Ext U2, Ext I1, Ext I2)
{
    return Store((U2 - U1) / (I2 / 1000 - I1 / 1000));
}

Ext EmitterDiffusionCapacitance(Ext re, Ext fT) { return Store((1 / (fT * 1000000 * kTwoPi * re)) * 1e12); }

Ext CollectorCapacitance(Ext U0, Ext Ck0, Ext U) { return Store(Sqrt(U0 / U) * (Ck0 * kPico) * 1e12); }

Ext BaseSpreadingResistance(Ext tau, Ext Ck) { return Store(tau / Ck); } // ps / pF = Ohm

Ext EmitterBypassCapacitance(Ext f, Ext re)
{
    return Store((1 / (f * 1000 * kTwoPi * re)) * 1000000000 * 10);
}

Ext BaseBypassCapacitance(Ext f, Ext re, Ext h21e)
{
    return Store((1 / (f * 1000 * kTwoPi * re * h21e)) * 1000000000 * 10);
}

Ext StageInputResistance(Ext rb, Ext re, Ext Re, Ext beta) { return Store((1 + beta) * (re + Re) + rb); }

Ext StageVoltageGain(Ext Rk, Ext Rin, Ext Rs, Ext Rl, Ext beta)
{
    const Ext R = Store(Rk * Rl / (Rk + Rl)); // collector load, Ohm
    return Store(-(beta * R) / (Rs + Rin));
}

namespace {

// The loaded follower from the unloaded input and output resistances; the
// compound transistor's current gain is taken as β1 β2 + 1.
void LoadedFollower(CompoundFollower &r, const CompoundTransistor &t, Ext Rin0, Ext Rout0)
{
    r.Rin.emplace(Store((t.beta1 * t.beta2 + 1) * t.Rl + Rin0));
    r.Rout.emplace(Store(t.Rs / (t.beta1 * t.beta2 + 1) + Rout0));
    // Without the source term: the divider of Rout0 and the load.
    r.K.emplace(Store(1 / (Rout0 / t.Rl + 1)));
}

} // namespace

CompoundFollower EmitterBaseFollower(const CompoundTransistor &t)
{
    return RunChain<CompoundFollower>([&](CompoundFollower &r) {
        const Ext r1 = Store((t.beta1 + 1) * t.re1 + t.rb1); // input resistance of T1, Ohm
        const Ext q1 = Store(r1 / (t.beta1 + 1));            // T1 seen from its emitter, Ohm
        const Ext r2 = Store((t.beta2 + 1) * t.re2 + t.rb2); // input resistance of T2, Ohm
        const Ext q2 = Store(r2 / (t.beta2 + 1));            // T2 seen from its emitter, Ohm
        const Ext Rin0 = Store((1 + t.beta1) * r2 + r1);
        const Ext Rout0 = Store(q1 / (1 + t.beta2) + q2);
        LoadedFollower(r, t, Rin0, Rout0);
    });
}

CompoundFollower CollectorBaseFollower(const CompoundTransistor &t)
{
    return RunChain<CompoundFollower>([&](CompoundFollower &r) {
        const Ext r1 = Store((t.beta1 + 1) * t.re1 + t.rb1); // input resistance of T1, Ohm
        const Ext q1 = Store(r1 / (t.beta1 + 1));            // T1 seen from its emitter, Ohm
        LoadedFollower(r, t, r1, Store(q1 / t.beta2));
    });
}

} // namespace velorix
