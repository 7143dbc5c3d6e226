#include "Reactance.h"

namespace velorix {

Ext CapacitorReactance(Ext C, Ext f)
{
    Ext a = f * 1000;              // Hz
    a = a * 6.283185307179586477L; // 2 pi f, rad/s
    const Ext k = 1e-9L * C;       // F
    return Store(1 / (a * k));     // Ohm
}

} // namespace velorix
