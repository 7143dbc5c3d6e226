// The software x87 arithmetic (MPFR) against the processor's own x87
// instructions, on x86-64 where both exist: random operands over the whole
// range, with subnormal results, overflow edges, cancellation and ties, each
// result compared bit for bit.  The program on aarch64 computes with the
// software side, so every digit it shows rests on this agreement.
#include "Circuits.h"
#include "ExpKernel.h"
#include "Numeric.h"
#include "Reactance.h"
#include "SoftExtended.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

using namespace velorix;

namespace {

constexpr int kBias = 16383;
constexpr int kCount = 200000; // per operation

// A random x87 value with the biased exponent drawn from [lo, hi] (0: a
// subnormal).  The significand is random, or random with a run of its low
// bits all 0 or all 1, which puts exact results and ties within reach.
class Operands {
public:
    long double operator()(int lo, int hi)
    {
        const int biased = std::uniform_int_distribution<int>(lo, hi)(rng_);
        std::uint64_t significand = rng_();
        const int run = std::uniform_int_distribution<int>(0, 63)(rng_);
        switch (rng_() % 4) {
        case 0:
            significand &= ~std::uint64_t(0) << (run % 64);
            break;
        case 1:
            significand |= (std::uint64_t(1) << run) - 1;
            break;
        default:
            break;
        }
        constexpr std::uint64_t kIntegerBit = std::uint64_t(1) << 63;
        significand = biased ? significand | kIntegerBit : significand & ~kIntegerBit;
        const long double v =
            std::ldexp(static_cast<long double>(significand), (biased ? biased : 1) - kBias - 63);
        return rng_() & 1 ? -v : v;
    }
    int exponent(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool coin() { return rng_() & 1; }

private:
    std::mt19937_64 rng_{20261209};
};

int BiasedExponent(long double v)
{
    int e = 0;
    std::frexp(v, &e);
    return std::max(e - 1 + kBias, 0);
}

// Two results agree when they are the same x87 value, the sign of zero
// included, or both NaN (x87's default NaN has no payload worth comparing).
bool Same(long double a, long double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

// The 80-bit pattern, sign and exponent first.
QString Hex(long double v)
{
    std::uint8_t bytes[sizeof v] = {};
    std::memcpy(bytes, &v, 10);
    QString hex;
    for (int i = 9; i >= 0; --i)
        hex += QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
    return hex;
}

// Operands for a binary operation: anywhere in the range; close in exponent
// (cancellation, ties); or placed so that the exact result lands near the
// subnormal range or the top of the range.  `sum` tells how the result's
// exponent follows the operands': +1 multiplication, -1 division, 0 addition.
std::pair<long double, long double> Pair(Operands &random, int sum)
{
    switch (random.exponent(0, 4)) {
    case 0:
        return {random(0, 0x7FFE), random(0, 0x7FFE)};
    case 1: {
        const long double a = random(0, 0x7FFE);
        const int e = std::clamp(BiasedExponent(a) + random.exponent(-66, 66), 0, 0x7FFE);
        return {a, random(e, e)};
    }
    case 2:
        return {random(0, 70), random(0, 70)};
    default: {
        // The edges: the exponent of the result near 0 or near 0x7FFE.
        const int target = random.coin() ? random.exponent(-70, 3) : random.exponent(0x7FFE - 3, 0x7FFE + 2);
        // A sum lands there from operands there; a product or quotient from
        // an operand anywhere and its partner placed to suit.
        const int ea = sum == 0 ? std::clamp(target, 0, 0x7FFE) : random.exponent(1, 0x7FFE);
        const long double a = random(ea, ea);
        const int eb = sum > 0   ? target - BiasedExponent(a) + kBias
                       : sum < 0 ? BiasedExponent(a) - target + kBias
                                 : ea + random.exponent(-2, 2);
        const int clamped = std::clamp(eb, 0, 0x7FFE);
        return {a, random(clamped, clamped)};
    }
    }
}

} // namespace

class TestSoftExtended : public QObject {
    Q_OBJECT

private slots:
    void operations_data()
    {
        QTest::addColumn<int>("op");
        QTest::newRow("+") << 0;
        QTest::newRow("-") << 1;
        QTest::newRow("*") << 2;
        QTest::newRow("/") << 3;
    }

    void operations()
    {
        QFETCH(int, op);
        Operands random;
        int subnormal = 0, overflow = 0;
        for (int i = 0; i < kCount; ++i) {
            auto [a, b] = Pair(random, op == 2 ? 1 : op == 3 ? -1 : 0);
            if (op == 3 && b == 0)
                b = 1;
            long double native = 0, soft = 0;
            switch (op) {
            case 0:
                native = a + b;
                soft = soft::Add(a, b);
                break;
            case 1:
                native = a - b;
                soft = soft::Sub(a, b);
                break;
            case 2:
                native = a * b;
                soft = soft::Mul(a, b);
                break;
            default:
                native = a / b;
                soft = soft::Div(a, b);
                break;
            }
            if (!Same(native, soft))
                QFAIL(qPrintable(QStringLiteral("%1 and %2: x87 %3, software %4")
                                     .arg(Hex(a), Hex(b), Hex(native), Hex(soft))));
            subnormal += native != 0 && std::fabs(native) < 0x8p-16385L;
            overflow += std::isinf(native);
        }
        // The edges were reached, not only the middle of the range.
        QVERIFY2(subnormal > kCount / 50, qPrintable(QString::number(subnormal)));
        QVERIFY2(overflow > kCount / 100, qPrintable(QString::number(overflow)));
    }

    // The square root, the exponential (the same steps on either side) and
    // the 80-bit pattern, read and written.
    void functions()
    {
        Operands random;
        for (int i = 0; i < kCount; ++i) {
            const long double x = std::fabs(random(0, 0x7FFE));
            const long double native = std::sqrt(x), soft = soft::Sqrt(x);
            if (!Same(native, soft))
                QFAIL(qPrintable(
                    QStringLiteral("sqrt %1: x87 %2, software %3").arg(Hex(x), Hex(native), Hex(soft))));
            QVERIFY(std::isnan(soft::Sqrt(-x)) || x == 0);

            // Arguments over the whole range where exp is neither 0 nor
            // infinite, its edges included (about -11400 to 11357).
            const long double e = random(0, kBias + 13);
            if (!Same(detail::ExpOf(e), soft::Exp(e)))
                QFAIL(qPrintable(QStringLiteral("exp %1: x87 %2, software %3")
                                     .arg(Hex(e), Hex(detail::ExpOf(e)), Hex(soft::Exp(e)))));

            std::uint8_t bytes[sizeof(long double)] = {};
            std::memcpy(bytes, &x, 10);
            const auto pattern = soft::Bytes(e);
            long double back = 0;
            std::memcpy(&back, pattern.data(), 10);
            QVERIFY(Same(back, e));
            QVERIFY(std::memcmp(soft::Bytes(x).data(), bytes, 10) == 0);
            QVERIFY(Same(soft::FromBytes(soft::Bytes(x)), x));
        }
    }

    // ArcCos is x87's fpatan on one side and the correctly rounded atan2 on
    // the other: within an ulp at 64 bits.  On the series and parallel RC
    // calculators' own formulas, over inputs log-uniform across their
    // decades, the shown phase (degrees, 15 digits) differs this often.
    void arcCosOnTheCalculatorsInputs()
    {
        std::mt19937_64 rng(20261209);
        const auto decades = [&rng](int lo, int hi) {
            return Store(Ext(std::pow(10.0, std::uniform_real_distribution<double>(lo, hi)(rng))));
        };
        constexpr int kInputs = 20000;
        int differentBits = 0, differentShown = 0;
        for (int i = 0; i < kInputs; ++i) {
            const Ext C = decades(-3, 6), R = decades(-2, 7), f = decades(-3, 6); // nF, Ohm, kHz
            const Ext Xc = CapacitorReactance(C, f);
            const Ext Z = RootSumSquare(R, Xc);
            const Ext Y = RootSumSquare(Reciprocal(R), Reciprocal(Xc));
            for (const Ext cosine : {R / Z, Reciprocal(R) / Y}) {
                const Ext s = Sqrt((1 + cosine) * (1 - cosine));
                const long double x87 = std::atan2(s.value(), cosine.value());
                const long double mpfr = soft::Atan2(s.value(), cosine.value());
                QVERIFY2(std::fabs(x87 - mpfr) <= std::ldexp(std::fabs(x87), -63),
                         qPrintable(Hex(cosine.value())));
                differentBits += x87 != mpfr;
                differentShown += FormatNumber(Store(x87) * kDegreesPerRadian) !=
                                  FormatNumber(Store(mpfr) * kDegreesPerRadian);
            }
        }
        qInfo("ArcCos on %d phases: %d differ in the last bit, %d in the digits shown", 2 * kInputs,
              differentBits, differentShown);
    }
};

QTEST_APPLESS_MAIN(TestSoftExtended)
#include "tst_soft_extended.moc"
