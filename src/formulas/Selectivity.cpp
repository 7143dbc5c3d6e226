#include "Selectivity.h"

namespace velorix {

bool FilterWorthUsing(Ext f0, Ext P, Ext d) { return Store(P / (Sqrt(2) * 2 * f0)) >= d; }

std::int32_t SectionCount(Ext S, Ext sigma1) { return CeilToInt32(Store(S / sigma1)); }

TapRatios TapRatiosOf(Ext rho, Ext Rg, Ext Rn)
{
    return RunChain<TapRatios>([&](TapRatios &r) {
        const Ext g1 = Store(1 / Rg); // S
        const Ext g2 = Store(1 / Rn); // S
        r.m1.emplace(Store(Sqrt(1 / (rho * 1000 * g1))));
        r.m2.emplace(Store(Sqrt(1 / (rho * 1000 * g2))));
    });
}

FilterElements FilterElementsOf(Ext f0, Ext P, Ext rho, Ext m1, Ext m2, Ext Ci, Ext Cn)
{
    return RunChain<FilterElements>([&](FilterElements &r) {
        const Ext C1 = r.C1.emplace(Store(1000000 / (kTwoPi * f0 * rho)));
        const Ext C2 = r.C2.emplace(Store(1000000 / (kPi * P * rho) - 2 * C1));
        r.C3.emplace(Store(0.5L * C2 - m1 * m1 * Ci));
        r.C4.emplace(Store(0.5L * C2 - m2 * m2 * Cn));
        const Ext L1 = r.L1.emplace(Store(rho * P * 1000000 / (f0 * f0 * kFourPi)));
        r.L2.emplace(Store(2 * L1));
    });
}

Ext CouplingCapacitance(Ext Rf, Ext rhoK, Ext a, Ext Ck)
{
    const Ext p = Store(a * rhoK); // Ohm
    return Store(Sqrt(Rf / p) * Ck);
}

} // namespace velorix
