#include "Reactance.h"

namespace velorix {

Ext CapacitorReactance(Ext C, Ext f)
{
    Ext a = f * 1000;          // Hz
    a = a * kTwoPi;            // 2 pi f, rad/s
    const Ext k = kNano * C;   // F
    return Store(1 / (a * k)); // Ohm
}

Ext InductorReactance(Ext L, Ext f)
{
    Ext a = f * 1000;         // Hz
    a = a * kTwoPi;           // 2 pi f, rad/s
    const Ext k = kMicro * L; // H
    return Store(a * k);      // Ohm
}

} // namespace velorix
