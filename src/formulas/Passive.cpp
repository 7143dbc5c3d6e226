#include "Passive.h"

#include "Circuits.h"
#include "Reactance.h"

namespace velorix {

namespace {

void SeriesRcImpedanceSteps(SeriesRcImpedance &r, Ext C, Ext R, Ext f)
{
    const Ext Xc = r.Xc.emplace(CapacitorReactance(C, f));
    const Ext Z = r.Z.emplace(RootSumSquare(R, Xc));
    r.phi.emplace(PhaseShift(R / Z) * kDegreesPerRadian);
}

void ParallelRcAdmittanceSteps(ParallelRcAdmittance &r, Ext C, Ext R, Ext f)
{
    const Ext Xc = r.Xc.emplace(CapacitorReactance(C, f));
    const Ext g = r.g.emplace(Reciprocal(R));
    const Ext b = r.b.emplace(Reciprocal(Xc));
    const Ext Y = r.Y.emplace(RootSumSquare(g, b));
    r.Z.emplace(Reciprocal(Y));
}

} // namespace

SeriesRcImpedance SeriesRcImpedanceOf(Ext C, Ext R, Ext f)
{
    return RunChain<SeriesRcImpedance>([&](SeriesRcImpedance &r) { SeriesRcImpedanceSteps(r, C, R, f); });
}

SeriesRc SeriesRcOf(Ext C, Ext R, Ext f, Ext U)
{
    return RunChain<SeriesRc>([&](SeriesRc &r) {
        SeriesRcImpedanceSteps(r, C, R, f);
        const Ext Xc = *r.Xc, Z = *r.Z;
        r.Y.emplace(Reciprocal(Z));
        r.g.emplace(Reciprocal(R));
        r.b.emplace(Reciprocal(Xc));
        const Ext I = r.I.emplace(Store(U / Z));
        const Ext UC = r.UC.emplace(Store(I * Xc));
        const Ext UR = r.UR.emplace(Store(I * R));
        const Ext P = r.P.emplace(Store(UR * I));
        r.Q.emplace(Store(UC * I));
        const Ext S = r.S.emplace(Store(U * I));
        r.PF.emplace(Store(P / S));
    });
}

ParallelRcAdmittance ParallelRcAdmittanceOf(Ext C, Ext R, Ext f)
{
    return RunChain<ParallelRcAdmittance>(
        [&](ParallelRcAdmittance &r) { ParallelRcAdmittanceSteps(r, C, R, f); });
}

Ext ParallelRcPhase(Ext g, Ext Y) { return PhaseShift(g / Y) * kDegreesPerRadian; }

ParallelRc ParallelRcOf(Ext C, Ext R, Ext f, Ext U)
{
    return RunChain<ParallelRc>([&](ParallelRc &r) {
        ParallelRcAdmittanceSteps(r, C, R, f);
        const Ext Xc = *r.Xc;
        const Ext IR = r.IR.emplace(Store(U / R));
        const Ext IC = r.IC.emplace(Store(U / Xc));
        const Ext IR2 = Store(IR * IR); // A²
        const Ext IC2 = Store(IC * IC); // A²
        const Ext I = r.I.emplace(Store(Sqrt(IR2 + IC2)));
        r.P.emplace(Store(U * IR));
        r.Q.emplace(Store(U * IC));
        r.S.emplace(Store(U * I));
        r.phi.emplace(ParallelRcPhase(*r.g, *r.Y));
    });
}

Ext TransformationRatio(Ext Zn, Ext Zg) { return Store(Sqrt(Zg / Zn)); }

Ext PrimaryImpedance(Ext Zn, Ext K) { return Store(K * K * Zn); }

LcCircuit LcCircuitOf(Ext f0, Ext rho, Ext Q)
{
    return RunChain<LcCircuit>([&](LcCircuit &r) {
        r.Rp.emplace(Store(Q * rho));
        r.P.emplace(Store(f0 / Q));
    });
}

Ext DividerRatio(Ext C1, Ext C2) { return Store((C1 + C2) / C1); }

Ext DividerLoad(Ext n, Ext Rn) { return Store(n * n * Rn); }

} // namespace velorix
