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

BiasOneSupply BiasOneSupplyOf(const BiasInputs &in, Ext Ue)
{
    return RunChain<BiasOneSupply>([&](BiasOneSupply &r) {
        const ThermalDrift drift(in.Tmin, in.Tmax, in.material);
        const Ext IkoMax = r.IkoMax.emplace(drift.ReverseCurrentAtTmax(in.Iko));
        const Ext dUb = r.dUb.emplace(drift.BaseVoltageShift());
        const Ext Re = r.Re.emplace(Store(Ue / (in.Ik * 0.001L)));
        r.Rk.emplace(Store((in.Ek - in.Uke) / (in.Ik * 0.001L) - Re));
        const Ext R1 = r.R1.emplace(
            Store((in.Ek / (in.Ik * 0.001L)) * ((in.dIk * 0.001L * Re - dUb) / (IkoMax * 1e-6L * Re) - 1)));
        // The stored Re can make Ik Re miss Ek by a rounding, which would
        // turn the zero below into a tiny difference and R2 into nonsense
        // near 1E18.
        if (Ue == in.Ek)
            throw CalcError::divisionByZero();
        r.R2.emplace(Store(R1 * Re * (in.Ik * 0.001L) / (in.Ek - in.Ik * 0.001L * Re)));
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
        const Ext Re = r.Re.emplace(Store(dUb / (in.dIk * 0.001L - IkoMax * 1e-6L)));
        // Drives Ik through Re with the base at ground.
        const Ext Ec = r.Ec.emplace(Store(in.Ik * 0.001L * Re + Ube0));
        // The collector loop from +Ek through Rk, the transistor and Re to
        // -Ec: Ek + Ec = Ik Rk + Uke + Ik Re.
        r.Rk.emplace(Store((in.Ek + Ec - in.Uke) / (in.Ik * 0.001L) - Re));
    });
}

} // namespace velorix
