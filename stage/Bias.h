// Temperature behaviour of a transistor's operating point, shared by the bias
// network windows: the reverse collector current at the highest working
// temperature and the drift of the base-emitter voltage over the range.
// No widget code: a handler passes in what it read and shows each result
// itself, right after the step that computes it.
#pragma once

#include "Numeric.h"

namespace velorix {

class ThermalDrift {
public:
    // The working range in kelvin, T1 and T2 (each stored), and the interval
    // over which the reverse current doubles: 5 K for silicon, then 10 K for
    // germanium (the second test comes last and wins); 0 with neither.
    ThermalDrift(Ext Tmin, Ext Tmax, bool silicon, bool germanium);

    // The reverse collector current at T2, uA, from the one at 20 degC, uA:
    // it doubles every k kelvin above 293 K and halves every k kelvin below.
    // The number of doublings x and the result are stored.  The
    // division-by-zero error when no material was chosen (k = 0).
    Ext ReverseCurrentAtTmax(Ext Iko) const;

    // The thermal shift of the base voltage over T1 to T2, V (stored): the
    // base-emitter voltage drifts by 1.8 mV/K.
    Ext BaseVoltageShift() const;

private:
    Ext T1_; // K
    Ext T2_; // K
    Ext k_;  // K
};

} // namespace velorix
