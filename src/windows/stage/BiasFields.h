// What both bias windows read first, from their first seven fields in
// order: Ek, Tmin, Tmax, Iko, Ik, Uke and ΔIk; and the material their two
// radio buttons choose (silicon, germanium).
#pragma once

#include "Bias.h"
#include "FormKit.h"

#include <QLineEdit>
#include <QRadioButton>

#include <array>

inline velorix::BiasInputs ReadBiasInputs(const std::array<const QLineEdit *, 7> &fields,
                                          const QRadioButton *silicon, const QRadioButton *germanium)
{
    velorix::BiasInputs in;
    in.Ek = velorix::ReadNumber(fields[0]);
    in.Tmin = velorix::ReadNumber(fields[1]);
    in.Tmax = velorix::ReadNumber(fields[2]);
    in.Iko = velorix::ReadNumber(fields[3]);
    in.Ik = velorix::ReadNumber(fields[4]);
    in.Uke = velorix::ReadNumber(fields[5]);
    in.dIk = velorix::ReadNumber(fields[6]);
    in.material = velorix::MaterialOf(silicon->isChecked(), germanium->isChecked());
    return in;
}
