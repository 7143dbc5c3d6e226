#include "Circuits.h"

namespace velorix {

Ext RootSumSquare(Ext a, Ext b) { return Store(Sqrt(a * a + b * b)); }

Ext Reciprocal(Ext x) { return Store(1 / x); }

Ext PhaseShift(Ext cosine) { return Store(ArcCos(cosine)); }

Ext ResonanceImpedance(Ext f0, Ext Q, Ext Rp, Ext f)
{
    const Ext y = Store(f / f0 - f0 / f);           // generalised detuning
    return Store(Rp / Sqrt((Q * Q) * (y * y) + 1)); // Ohm
}

Ext GeneralisedDamping(Ext f0, Ext d, Ext P) { return Store(2 * f0 * d / P); }

Ext RelativeDetuning(Ext df, Ext P) { return Store(2 * df / P); }

} // namespace velorix
