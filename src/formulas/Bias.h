// Temperature behaviour of a transistor's operating point, shared by the bias
// network windows: the reverse collector current at the highest working
// temperature and the drift of the base-emitter voltage over the range.
// No widget code.
#pragma once

#include "Chain.h"

namespace velorix {

// The transistor's semiconductor, as the window's two radio buttons choose
// it; None while neither is checked.
enum class Material { None, Silicon, Germanium };

// The material of the two choices; were both set, germanium's test comes
// last and wins.
Material MaterialOf(bool silicon, bool germanium);

// The interval over which the reverse collector current doubles, K: 5 for
// silicon, 10 for germanium, 0 for none.
Ext DoublingInterval(Material material);

// The base-emitter voltage of the open junction, V: 0.7 for silicon, 0.4
// for germanium (each the double nearest), 0 for none.
Ext OpenJunctionVoltage(Material material);

class ThermalDrift {
public:
    // The working range in kelvin, T1 and T2 (each stored), and the
    // material's doubling interval k.
    ThermalDrift(Ext Tmin, Ext Tmax, Material material);

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

// What both bias networks are given (1975 handbook on high-frequency
// transistor stages of receivers, p. 35).
struct BiasInputs {
    Ext Ek;   // (collector) supply voltage, V
    Ext Tmin; // lowest working temperature, degC
    Ext Tmax; // highest working temperature, degC
    Material material;
    Ext Iko; // reverse collector current at 20 degC, uA
    Ext Ik;  // quiescent collector current, mA
    Ext Uke; // quiescent collector-emitter voltage, V
    Ext dIk; // permitted drift of Ik over the range, mA
};

// The single-supply network, Ue, V, across the emitter resistor: the
// reverse current at Tmax, uA, the base voltage's shift, V, and the
// resistors Re, Rk and the divider R1, R2, Ohm.  The division-by-zero error
// at R2 when Ue = Ek, which leaves no voltage across R1.
struct BiasOneSupply : Chain {
    Result IkoMax, dUb, Re, Rk, R1, R2;
};
BiasOneSupply BiasOneSupplyOf(const BiasInputs &in, Ext Ue);

// The two-supply network, the base tied to ground: the reverse current at
// Tmax, uA, the base voltage's shift, V, Re, Ohm, the bias supply Ec, V,
// and Rk, Ohm.
struct BiasTwoSupplies : Chain {
    Result IkoMax, dUb, Re, Ec, Rk;
};
BiasTwoSupplies BiasTwoSuppliesOf(const BiasInputs &in);

} // namespace velorix
