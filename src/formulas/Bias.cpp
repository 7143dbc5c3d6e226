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

BiasOneSupply BiasOneSupplyOf(const BiasInputs &in, Ext Ue)
{
    return RunChain<BiasOneSupply>([&](BiasOneSupply &r) {
        const ThermalDrift drift(in.Tmin, in.Tmax, in.material);
        const Ext IkoMax = r.IkoMax.emplace(drift.ReverseCurrentAtTmax(in.Iko));
        const Ext dUb = r.dUb.emplace(drift.BaseVoltageShift());
        const Ext Re = r.Re.emplace(Store(Ue / (in.Ik * kMilli)));
        r.Rk.emplace(Store((in.Ek - in.Uke) / (in.Ik * kMilli) - Re));
        const Ext R1 = r.R1.emplace(
            Store((in.Ek / (in.Ik * kMilli)) * ((in.dIk * kMilli * Re - dUb) / (IkoMax * kMicro * Re) - 1)));
        // The stored Re can make Ik Re miss Ek by a rounding, which would
        // turn the zero below into a tiny difference and R2 into nonsense
        // near 1E18.
        if (Ue == in.Ek)
            throw CalcError::divisionByZero();
        r.R2.emplace(Store(R1 * Re * (in.Ik * kMilli) / (in.Ek - in.Ik * kMilli * Re)));
    });
}

BiasTwoSupplies BiasTwoSuppliesOf(const BiasInputs &in)
{
    return RunChain<BiasTwoSupplies>([&](BiasTwoSupplies &r) {
        const ThermalDrift drift(in.Tmin, in.Tmax, in.material);
        const Ext Ube0 = OpenJunctionVoltage(in.material); // V
        const Ext IkoMax = r.IkoMax.emplace(drift.ReverseCurrentAtTmax(in.Iko));
        const Ext dUb = r.dUb.emplace(drift.BaseVoltageShift());
        // Keeps the drift of Ik within dIk once the reverse current at Tmax
        // is taken off the margin.
        const Ext Re = r.Re.emplace(Store(dUb / (in.dIk * kMilli - IkoMax * kMicro)));
        // Drives Ik through Re with the base at ground.
        const Ext Ec = r.Ec.emplace(Store(in.Ik * kMilli * Re + Ube0));
        // The collector loop from +Ek through Rk, the transistor and Re to
        // -Ec: Ek + Ec = Ik Rk + Uke + Ik Re.
        r.Rk.emplace(Store((in.Ek + Ec - in.Uke) / (in.Ik * kMilli) - Re));
    });
}

} // namespace velorix
