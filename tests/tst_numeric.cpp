// The number conventions: reading, showing, the extended arithmetic and its
// errors, rounding to an integer, the inverse cosine and the error texts.
#include "Numeric.h"

#include <QTest>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <cstring>
#include <limits>

using namespace velorix;

namespace {

// The error a computation raises, or a description of what it did instead.
template <class F> QString ErrorOf(F f)
{
    try {
        f();
    } catch (const CalcError &e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

const QString kConversion = QStringLiteral("'%1' is not a valid floating point value");
const QString kDivZero = QStringLiteral("Floating point division by zero");
const QString kInvalid = QStringLiteral("Invalid floating point operation");
const QString kOverflow = QStringLiteral("Floating point overflow");

// {x, exp(x)}: x and the exact exponential rounded to the nearest extended
// value (tools/exp-reference.py reference).
struct ExpRow {
    long double x, exp;
};
constexpr ExpRow kExpReference[] = {
#include "exp_reference.inc"
};

// The 80-bit pattern: sign and exponent, then the 64-bit significand.
QString Bits(long double v)
{
    const auto bytes = X87Bytes(v);
    QString hex;
    for (int i = 9; i >= 0; --i)
        hex += QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
    return hex;
}

} // namespace

class TestNumeric : public QObject {
    Q_OBJECT

private slots:
    void init() { SetDecimalSeparator(QLatin1Char('.')); }

    void formatNumber_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, long double v, const char *t) {
            QTest::newRow(name) << v << QString::fromLatin1(t);
        };
        row("0.1", 0.1, "0.1");
        row("100", 100, "100");
        row("2.5", 2.5, "2.5");
        row("-2.5", -2.5, "-2.5");
        row("1/3 double", 1.0 / 3.0, "0.333333333333333");
        row("2/3 double", 2.0 / 3.0, "0.666666666666667");
        row("1/3 extended", (Ext(1) / 3).value(), "0.333333333333333");
        row("123456.789...", 123456.7890123456789, "123456.789012346");
        row("0.0001", 0.0001, "0.0001");
        row("0.00012345", 0.00012345, "0.00012345");
        row("-0.00012", -0.00012, "-0.00012");
        row("0.00001", 0.00001, "1E-5");
        row("1e-6", 1e-6, "1E-6");
        row("999999999999999", 999999999999999.0, "999999999999999");
        row("1e15", 1e15, "1E15");
        row("1e20", 1e20, "1E20");
        row("1234567890123456789", 1234567890123456789.0, "1.23456789012346E18");
        row("16th digit 5 rounds up", 100000000000000.5, "100000000000001");
        row("carry out of first digit", 9999999999999999.0L, "1E16");
        row("carry to 1E15", 999999999999999.5L, "1E15");
        row("-0", -0.0, "0");
        row("+0", 0.0, "0");
        row("largest double", DBL_MAX, "1.79769313486232E308");
        row("smallest subnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324");
        row("extended beyond double", 0xD.A763FC8CB9FF9E6p+1325L, "1E400"); // 1e400
        row("integer 26", 26, "26");
        row("integer -207673", -207673, "-207673");
        row("0.18", 0.18, "0.18");
        row("-1e-300", -1e-300, "-1E-300");
        row("17th digit ignored", 0x9.E06521462CEE697p-3L, "1.23456789012345"); // 1.23456789012344999
    }

    void formatNumber()
    {
        QFETCH(long double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatNumber(value), text);
    }

    void formatNumberUsesSeparator()
    {
        SetDecimalSeparator(QLatin1Char(','));
        QCOMPARE(FormatNumber(2.5), QStringLiteral("2,5"));
        QCOMPARE(FormatNumber(0.00012345), QStringLiteral("0,00012345"));
        QCOMPARE(FormatNumber(1.5e-7), QStringLiteral("1,5E-7"));
        QCOMPARE(FormatNumber(100), QStringLiteral("100"));
    }

    // Readings to a fixed number of decimals round the exact binary value:
    // 0.125 is exact and ties to even, 12.345 as a double lies
    // just above its decimal.
    void formatFixed_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("two decimals") << 0xC.58793DD97F62B6Bp+0L << 2 << "12,35";        // 12.3456
        QTest::newRow("trailing zeros kept") << 0xC.CCCCCCCCCCCCCCDp-7L << 3 << "0,100"; // 0.1
        QTest::newRow("binary above the decimal") << static_cast<long double>(12.345) << 2 << "12,35";
        QTest::newRow("tie to even") << 0.125L << 2 << "0,12";
        QTest::newRow("no decimals") << 2.5L << 0 << "2";
        QTest::newRow("negative") << -0xC.90FCF80DC33721Dp-2L << 3 << "-3,142";                // 3.14159
        QTest::newRow("rounds to zero, no sign") << -0xD.1B71758E219652Cp-15L << 3 << "0,000"; // 0.0004
        QTest::newRow("large") << 1e20L << 1 << "100000000000000000000,0";
    }

    void formatFixed()
    {
        QFETCH(long double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        SetDecimalSeparator(QLatin1Char(','));
        QCOMPARE(FormatFixed(value, decimals), text);
        SetDecimalSeparator(QLatin1Char('.'));
    }

    void parseNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const auto row = [](const char *t, double v) { QTest::newRow(t) << QString::fromLatin1(t) << v; };
        row(" 12 ", 12);
        row("+7", 7);
        row("-7", -7);
        row("5.", 5);
        row(".5", 0.5);
        row(".", 0);
        row("1E3", 1000);
        row("1e", 1);
        row("1e+", 1);
        row("1e-", 1);
        row("2.5e-3", 0.0025);
        row("1e-400", 0);
        row("-0", 0);
        row("-1e-330", 0);
        row("1e-4999", 0);
        row("0.1", 0.1);
        row("007", 7);
        row("1e0050", 1e50);
        row("123456789012345678901234567890", 123456789012345678901234567890.0);
        row("4.9406564584124654e-324", std::numeric_limits<double>::denorm_min());
        row("2e-324", 0);
        row("3e-324", std::numeric_limits<double>::denorm_min());
        row("1.7976931348623157e308", DBL_MAX);
        // Halfway between 1 and the next double, a hair above: rounds up.
        row("1.00000000000000011102230246251565404236316680908203126", 1.0000000000000002);
        row("1.00000000000000011102230246251565404236316680908203125", 1.0);
        row("0.000000000000000000000000000000000000000000001e45", 1);
        // A 769-digit subnormal three quarters of the way between two
        // doubles: 3390945601784844.75 * 2^-1074 (glibc 2.36's strtod gives one
        // ulp low).
        QTest::newRow("769-digit subnormal")
            << QStringLiteral("167534972875836374162584979910299852541194348971548512903219012807865597949217"
                              "992882394919"
                              "496204269726782979235925690114322936869671830435099439101684208046328428062623"
                              "841608467250"
                              "191244037380291047712872918824628694440612302705647256894181606833365912714125"
                              "715046503258"
                              "877402574596448780602053273824775263079700672965435282349284542297796411950434"
                              "248434857312"
                              "341242182921295850669088755474542520242820445554390450936815571145861539981224"
                              "757498823937"
                              "978513912220203505141642097792894375466197173071787369547470789759928260437883"
                              "152648687468"
                              "472439149093737472073738946419184786721769429055002755278168410447942797550450"
                              "139517669764"
                              "830254217350156149378319945030522310335230915266518332072749414880868911154729"
                              "056772487551"
                              "1476895044438162329925035010091960430145263671875"
                              "e-1076")
            << std::bit_cast<double>(std::uint64_t(3390945601784845));
    }

    void parseNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const Ext x = ParseNumber(text);
        QCOMPARE(x.value(), static_cast<long double>(value));
        QVERIFY(!std::signbit(x.value()) || value != 0);
    }

    void parseNumberErrors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const auto conversion = [](const QString &t) {
            QTest::newRow(qPrintable(t)) << t << kConversion.arg(t);
        };
        for (const char *t :
             {"",       " ",   "-",     "- 5", "e5",  "1 e5", "1,5", "1.2.3", "0x10", "1e5000",
              "1e4999", "+-1", "1e5 5", "1 2", "\t1", "1\t",  "nan", "inf",   "1d5",  "1e1.5"})
            conversion(QString::fromLatin1(t));
        conversion(QString(100000, QLatin1Char('9')));
        conversion(QStringLiteral("1\u00002"));
        conversion(QStringLiteral("\u0661"));       // Arabic-Indic digit one
        conversion(QStringLiteral("\uFF11\uFF12")); // full-width digits
        conversion(QStringLiteral("1\u00A0"));      // no-break space is not a blank
        conversion(QStringLiteral("１"));
        QTest::newRow("1e500") << QStringLiteral("1e500") << kOverflow;
        QTest::newRow("-1e500") << QStringLiteral("-1e500") << kOverflow;
        QTest::newRow("1.8e308") << QStringLiteral("1.8e308") << kOverflow;
        QTest::newRow("1e4932") << QStringLiteral("1e4932") << kOverflow;
        QTest::newRow("1.2e4932") << QStringLiteral("1.2e4932")
                                  << kConversion.arg(QStringLiteral("1.2e4932"));
    }

    void parseNumberErrors()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QCOMPARE(ErrorOf([&] { ParseNumber(text); }), error);
    }

    void parseNumberLongFraction()
    {
        // 100,000 digits after the separator still read correctly.
        QCOMPARE(ParseNumber(QStringLiteral("0.") + QString(99998, QLatin1Char('0')) + QStringLiteral("1"))
                     .value(),
                 0.0L);
        QCOMPARE(ParseNumber(QStringLiteral("0.") + QString(100000, QLatin1Char('3'))).value(),
                 static_cast<long double>(1.0 / 3.0));
    }

    void parseNumberUsesSeparator()
    {
        SetDecimalSeparator(QLatin1Char(','));
        QCOMPARE(ParseNumber(QStringLiteral("0,5")).value(), 0.5L);
        QCOMPARE(ParseNumber(QStringLiteral("2,5e-3")).value(), static_cast<long double>(0.0025));
        QCOMPARE(ErrorOf([] { ParseNumber(QStringLiteral("0.5")); }), kConversion.arg(QStringLiteral("0.5")));
    }

    void arithmeticErrors_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("error");
        QTest::newRow("1/0") << 0 << kDivZero;
        QTest::newRow("-1/0") << 1 << kDivZero;
        QTest::newRow("0/0") << 2 << kInvalid;
        QTest::newRow("sqrt(-1)") << 3 << kInvalid;
        QTest::newRow("extended overflow") << 4 << kOverflow;
        QTest::newRow("store beyond double") << 5 << kOverflow;
        QTest::newRow("exp overflow") << 6 << kOverflow;
        QTest::newRow("round 1e19") << 9 << kInvalid;
        QTest::newRow("round -1e19") << 10 << kInvalid;
        QTest::newRow("arccos 1.0000001") << 11 << kInvalid;
        QTest::newRow("arccos -1.0000001") << 12 << kInvalid;
        QTest::newRow("round 2^63") << 13 << kInvalid;
    }

    void arithmeticErrors()
    {
        QFETCH(int, operation);
        QFETCH(QString, error);
        const Ext one = 1, zero = 0;
        const auto op = [&] {
            switch (operation) {
            case 0:
                return one / zero;
            case 1:
                return -one / zero;
            case 2:
                return zero / zero;
            case 3:
                return Sqrt(-one);
            case 4:
                return Ext(kExtendedMax) * 2;
            case 5:
                return Store(Ext(1e308) * 10);
            case 6:
                return Exp(12000);
            case 9:
                return Round(1e19);
            case 10:
                return Round(-1e19);
            case 11:
                return ArcCos(1.0000001) * kDegreesPerRadian;
            case 12:
                return ArcCos(-1.0000001) * kDegreesPerRadian;
            default:
                return Round(9223372036854775808.0L);
            }
        };
        QCOMPARE(ErrorOf(op), error);
    }

    // The exponential is correctly rounded on every row, in the same bits on
    // every platform: the rows hold the exact values, not a library's.
    void expBits_data()
    {
        QTest::addColumn<long double>("x");
        QTest::addColumn<long double>("expected");
        for (const ExpRow &row : kExpReference)
            QTest::addRow("%s", qPrintable(Bits(row.x))) << row.x << row.exp;
    }

    void expBits()
    {
        QFETCH(long double, x);
        QFETCH(long double, expected);
        QCOMPARE(Bits(Exp(x).value()), Bits(expected));
    }

    void silentUnderflow()
    {
        QCOMPARE(Store(Ext(1e-300) * 1e-300).value(), 0.0L);
        QCOMPARE(Exp(-20000).value(), 0.0L);
        QCOMPARE(Store(Ext(LDBL_MIN) / 1e10).value(), 0.0L);
    }

    void storeRoundsToDouble()
    {
        const Ext third = Ext(1) / 3;
        QVERIFY(third.value() != static_cast<long double>(1.0 / 3.0));
        QCOMPARE(Store(third).value(), static_cast<long double>(1.0 / 3.0));
        // Rounds to the largest double rather than overflowing.
        QCOMPARE(Store(Ext(DBL_MAX) * 0x8.00000000000005Cp-3L).value(),
                 static_cast<long double>(DBL_MAX)); // 1.00000000000000001
    }

    void roundToInt_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("2.5") << 2.5L << qint64(2);
        QTest::newRow("3.5") << 3.5L << qint64(4);
        QTest::newRow("-2.5") << -2.5L << qint64(-2);
        QTest::newRow("2.4999") << 0x9.FFE5C91D14E3BCDp-2L << qint64(2);
        QTest::newRow("-0.4") << -0xC.CCCCCCCCCCCCCCDp-5L << qint64(0);
        QTest::newRow("largest") << 9223372036854775807.0L << std::numeric_limits<qint64>::max();
        QTest::newRow("smallest") << -9223372036854775808.0L << std::numeric_limits<qint64>::min();
    }

    void roundToInt()
    {
        QFETCH(long double, value);
        QFETCH(qint64, rounded);
        QCOMPARE(RoundToInt(value), rounded);
    }

    void roundedIntegerShowsWithoutFraction()
    {
        QCOMPARE(FormatNumber(Round(1e15)), QStringLiteral("1E15"));
        QCOMPARE(FormatNumber(Round(-0.4)), QStringLiteral("0"));
    }

    void ceilToInt32_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("count"); // the count, or the error's message
        const auto row = [](const char *name, long double v, const QString &count) {
            QTest::newRow(name) << v << count;
        };
        row("whole", 5, "5");
        row("positive fraction", 5.25L, "6");
        row("negative fraction", -5.25L, "-5");
        row("tiny positive", 0xA.B70FE17C79AC6CAp-1000L, "1");  // 1e-300
        row("tiny negative", -0xA.B70FE17C79AC6CAp-1000L, "0"); // -1e-300
        row("zero", 0, "0");
        row("largest", 2147483647.0L, "2147483647");
        row("just above largest whole", 2147483646.5L, "2147483647");
        row("fraction above largest", 2147483647.5L, kInvalid);
        row("just below 2^31", 0xF.FFFFFFFFFFFFFFCp+27L, kInvalid); // 2^31 - 2^-31
        row("2^31", 2147483648.0L, kInvalid);
        row("smallest", -2147483648.0L, "-2147483648");
        row("fraction below smallest", -2147483648.5L, "-2147483648");
        row("below smallest", -2147483649.0L, kInvalid);
        row("huge", 0xB.F21E44003ACDD2Dp+993L, kInvalid);             // 1e300
        row("huge negative", -0xD.1BA8323FE558C61p+13284L, kInvalid); // -1e4000
    }

    void ceilToInt32()
    {
        QFETCH(long double, value);
        QFETCH(QString, count);
        QString got;
        try {
            got = QString::number(CeilToInt32(value));
        } catch (const CalcError &e) {
            got = e.message();
        }
        QCOMPARE(got, count);
    }

    void arcCosDeg_data()
    {
        QTest::addColumn<long double>("x");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0.5") << 0.5L << QStringLiteral("60");
        QTest::newRow("1") << 1.0L << QStringLiteral("0");
        QTest::newRow("0") << 0.0L << QStringLiteral("90");
        QTest::newRow("-1") << -1.0L << QStringLiteral("180");
        QTest::newRow("-0.5") << -0.5L << QStringLiteral("120");
    }

    void arcCosDeg()
    {
        QFETCH(long double, x);
        QFETCH(QString, shown);
        QCOMPARE(FormatNumber(Store(ArcCos(x) * kDegreesPerRadian)), shown);
    }

    void arcCos_data()
    {
        QTest::addColumn<long double>("x");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1") << 1.0L << QStringLiteral("0");
        QTest::newRow("0") << 0.0L << QStringLiteral("1.5707963267949");
        QTest::newRow("-0") << -0.0L << QStringLiteral("1.5707963267949");
        QTest::newRow("0.5") << 0.5L << QStringLiteral("1.0471975511966");
        QTest::newRow("-1") << -1.0L << QStringLiteral("3.14159265358979");
        QTest::newRow("near 1") << 0xF.FFFFFFBB47D05F6p-4L
                                << QStringLiteral("4.47213595540746E-5"); // 0.999999999
    }

    void arcCos()
    {
        QFETCH(long double, x);
        QFETCH(QString, shown);
        QCOMPARE(FormatNumber(Store(ArcCos(x))), shown);
    }

    void arcCosOutsideRange_data()
    {
        QTest::addColumn<long double>("x");
        QTest::newRow("1.0000001") << 0x8.00000D6BF94D5E5p-3L;
        QTest::newRow("-1.0000001") << -0x8.00000D6BF94D5E5p-3L;
        QTest::newRow("2") << 2.0L;
        QTest::newRow("just above 1") << 0x8.000000000000001p-3L; // 1 + 2^-63
    }

    void arcCosOutsideRange()
    {
        QFETCH(long double, x);
        QCOMPARE(ErrorOf([x] { return ArcCos(x); }), kInvalid);
    }
};

QTEST_GUILESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
