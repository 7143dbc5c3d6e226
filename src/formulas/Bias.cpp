#include "Bias.h"

namespace velorix {

namespace {

// 0 degrees Celsius, 273.15 K, and the fall of the base-emitter voltage,
// 0.0018 V per kelvin, as the x87 values nearest to them.
constexpr long double kZeroCelsius = 0x8.893333333333333p+5L;
constexpr long double kBaseVoltageDrift = 0xE.BEDFA43FE5C91D1p-13L;

} // namespace

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
    : T1_(Store(Tmin + kZeroCelsius)), T2_(Store(Tmax + kZeroCelsius)), k_(DoublingInterval(material))
{
}

Ext ThermalDrift::ReverseCurrentAtTmax(Ext Iko) const
{
    // Reference temperature 293 K.
    const Ext x = Store((T2_ - 293) / k_);
    return Store(Iko * Exp(kLn2 * x));
}

Ext ThermalDrift::BaseVoltageShift() const { return Store((T2_ - T1_) * kBaseVoltageDrift); }

} // namespace velorix
