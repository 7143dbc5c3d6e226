// The calculators' formulas on their own, with no window: each calculator's
// worked example and the closed forms of the RC circuits.  Where a chain
// stops on an error, and what it leaves shown, the window tests check.
#include "Bias.h"
#include "Passive.h"
#include "Reactance.h"
#include "Selectivity.h"
#include "Stage.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace velorix;

namespace {

// The bias windows' worked examples: Ek 12 V, Tmax 60 °C, Ik 2 mA, Uke 5 V,
// ΔIk 0.3 mA.
BiasInputs Bias(Ext Tmin, Ext Iko, Material material) { return {12, Tmin, 60, material, Iko, 2, 5, 0.3}; }
const CompoundTransistor kFollower{200, 25, 100, 2.5, 50, 40, 100, 1000};

// One result as the window shows it.
struct Example {
    const char *tag;
    std::function<Ext()> result;
    const char *shown;
};

const Example kExamples[] = {
    {"re", [] { return Round(EmitterJunctionResistance(1)); }, "26"},
    {"rk", [] { return Round(CollectorJunctionResistance(5, 10, 1, 1.05)); }, "100000"},
    {"Ce, equivalent circuit", [] { return EmitterDiffusionCapacitance(26, 100); }, "61.213439650729"},
    {"Ck", [] { return CollectorCapacitance(5, 12, 3); }, "15.4919333848297"},
    {"rb", [] { return Round(BaseSpreadingResistance(100, 2)); }, "50"},
    {"Xc", [] { return CapacitorReactance(0.1, 1); }, "1591549.43091895"},
    {"XL", [] { return InductorReactance(0.5, 455.5); }, "1.43099545371015"},
    {"series RC, cos φ", [] { return *SeriesRcOf(100, 1000, 0.5, 2.5).PF; }, "0.299716803589196"},
    {"parallel RC, φ", [] { return *ParallelRcOf(100, 1000, 0.5, 2.5).phi; }, "17.4405944905119"},
    {"one supply, silicon, R2",
     [] { return Round(*BiasOneSupplyOf(Bias(-40, 0.1, Material::Silicon), 2).R2); }, "4309"},
    {"one supply, germanium, R2",
     [] { return Round(*BiasOneSupplyOf(Bias(-40, 2, Material::Germanium), 2).R2); }, "3253"},
    {"two supplies, silicon, Rk",
     [] { return Round(*BiasTwoSuppliesOf(Bias(-60, 0.1, Material::Silicon)).Rk); }, "3850"},
    {"two supplies, germanium, Rk",
     [] { return Round(*BiasTwoSuppliesOf(Bias(-60, 2, Material::Germanium)).Rk); }, "3700"},
    {"Ce, decoupling", [] { return EmitterBypassCapacitance(0.5, 10); }, "318309.886183791"},
    {"Cb", [] { return BaseBypassCapacitance(1000, 26, 50); }, "1.22426879301458"},
    {"K", [] { return TransformationRatio(50, 1000); }, "4.47213595499958"},
    {"Z1", [] { return PrimaryImpedance(50, 4.47213595499958); }, "1000"},
    {"filter sections", [] { return Ext(SectionCount(40, 8)); }, "5"},
    {"Ссв", [] { return CouplingCapacitance(510, 5000, 7, 470); }, "56.7347210394884"},
    {"LC circuit, Rp", [] { return *LcCircuitOf(465, InductorReactance(100, 465), 100).Rp; },
     "29216.8116783851"},
    {"LC circuit, П", [] { return *LcCircuitOf(465, InductorReactance(100, 465), 100).P; }, "4.65"},
    {"divider n", [] { return DividerRatio(150, 680); }, "5.53333333333333"},
    {"stage Rin", [] { return StageInputResistance(100, 26, 0, 100); }, "2726"},
    {"stage Ku", [] { return StageVoltageGain(4700, 2726, 600, 10000, 100); }, "-96.1298530235907"},
    // 211902.5 rounds to the even neighbour.
    {"Fig. 1a Rin", [] { return Round(*EmitterBaseFollower(kFollower).Rin); }, "211902"},
    {"Fig. 1a K", [] { return *EmitterBaseFollower(kFollower).K; }, "0.946571451205849"},
    {"Fig. 1b Rin", [] { return Round(*CollectorBaseFollower(kFollower).Rin); }, "201575"},
    {"Fig. 1b K", [] { return *CollectorBaseFollower(kFollower).K; }, "0.992821511132741"},
};

} // namespace

class TestFormulas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ResetFloatEnvironment(); }

    void workedExamples_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kExamples)); ++i)
            QTest::newRow(kExamples[i].tag) << i;
    }

    void workedExamples()
    {
        QFETCH(int, row);
        QCOMPARE(FormatNumber(kExamples[row].result()), QString::fromUtf8(kExamples[row].shown));
    }

    // The RC circuits against their closed forms over nine decades of f.
    void rcClosedForms_data()
    {
        QTest::addColumn<double>("C"); // nF
        QTest::addColumn<double>("R"); // Ohm
        QTest::addColumn<double>("f"); // kHz
        for (double f : {1e-3, 0.5, 3.18, 100.0, 1e6})
            QTest::newRow(qPrintable(QStringLiteral("f = %1 kHz").arg(f))) << 100.0 << 1000.0 << f;
        QTest::newRow("tiny C") << 1e-6 << 47.0 << 455.0;
    }

    void rcClosedForms()
    {
        QFETCH(double, C);
        QFETCH(double, R);
        QFETCH(double, f);
        const double Xc = 1e9 / (2 * M_PI * f * 1000 * C), U = 2.5;
        // φ comes from an arc cosine near 1 at either end, which magnifies
        // the rounding of Z to double: to a millionth of a degree.
        const auto near = [](const Result &x, double expected, double tolerance = 0) {
            return std::abs(static_cast<double>(x->value()) - expected) <=
                   std::max(tolerance, 1e-12 * std::abs(expected));
        };
        const SeriesRc s = SeriesRcOf(C, R, f, U);
        QVERIFY(near(s.Z, std::hypot(R, Xc)));
        QVERIFY(near(s.phi, std::atan(Xc / R) * 180 / M_PI, 1e-6));
        QVERIFY(near(s.PF, R / std::hypot(R, Xc)));
        QVERIFY(near(s.UC, U * Xc / std::hypot(R, Xc)));
        const ParallelRc p = ParallelRcOf(C, R, f, U);
        QVERIFY(near(p.Z, 1 / std::hypot(1 / R, 1 / Xc)));
        QVERIFY(near(p.phi, std::atan(R / Xc) * 180 / M_PI, 1e-6));
        QVERIFY(near(p.I, U * std::hypot(1 / R, 1 / Xc)));
    }
};

QTEST_APPLESS_MAIN(TestFormulas)
#include "tst_formulas.moc"
