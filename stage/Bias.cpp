#include "Bias.h"

namespace velorix {

ThermalDrift::ThermalDrift(Ext Tmin, Ext Tmax, bool silicon, bool germanium)
    : T1_(Store(Tmin + 273.15L)), T2_(Store(Tmax + 273.15L))
{
    if (silicon)
        k_ = 5;
    if (germanium)
        k_ = 10;
}

Ext ThermalDrift::ReverseCurrentAtTmax(Ext Iko) const
{
    // Reference temperature 293 K.
    const Ext x = Store((T2_ - 293) / k_);
    return Store(Iko * Exp(Ln(2) * x));
}

Ext ThermalDrift::BaseVoltageShift() const { return Store((T2_ - T1_) * 0.0018L); }

} // namespace velorix
