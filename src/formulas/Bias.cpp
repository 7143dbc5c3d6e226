#include "Bias.h"

namespace velorix {

Material MaterialOf(bool silicon, bool germanium)
{
    if (germanium)
        return Material::Germanium;
    return silicon ? Material::Silicon : Material::None;
}

Ext DoublingInterval(Material material)
{
    switch (material) {
    case Material::Silicon:
        return 5;
    case Material::Germanium:
        return 10;
    case Material::None:
        break;
    }
    return 0;
}

Ext OpenJunctionVoltage(Material material)
{
    switch (material) {
    case Material::Silicon:
        return 0.7;
    case Material::Germanium:
        return 0.4;
    case Material::None:
        break;
    }
    return 0;
}

ThermalDrift::ThermalDrift(Ext Tmin, Ext Tmax, Material material)
    : T1_(Store(Tmin + 273.15L)), T2_(Store(Tmax + 273.15L)), k_(DoublingInterval(material))
{
}

Ext ThermalDrift::ReverseCurrentAtTmax(Ext Iko) const
{
    // Reference temperature 293 K.
    const Ext x = Store((T2_ - 293) / k_);
    return Store(Iko * Exp(kLn2 * x));
}

Ext ThermalDrift::BaseVoltageShift() const { return Store((T2_ - T1_) * 0.0018L); }

} // namespace velorix
