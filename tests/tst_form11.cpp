// The lumped-selectivity filter design window, driven as a user drives it:
// its steps hand values on to one another, so several tests press steps in
// sequence and check what a later step computes from an earlier one.
#include "TestKit.h"
#include "Unit11.h"

using namespace velorix;
using namespace velorix::test;

namespace {

const QString kFeasible = QStringLiteral("Применение ФСС целесообразно.");
const QString kNotFeasible = QStringLiteral("Применение ФСС нецелесообразно!");
const QStringList kStep2 = {"Label13", "Label17"};
const QStringList kStep4 = {"Label25", "Label27"};
const QStringList kStep6 = {"Label31", "Label34", "Label36", "Label38", "Label40", "Label42"};
// Step 6 after step 1 (465 kHz, 9 kHz) and step 4 (10 kOhm, 1000 Ohm, 2000 Ohm), Cи 10 pF, Cн 15 pF.
const QStringList kElements = {"34.226869482128",  "3468.32277418897", "1733.16138709449",
                               "1731.16138709449", "33.1227769181884", "66.2455538363768"};

// One step: its fields, then its button.
void Step1(const QString &f0, const QString &band, const QString &damping)
{
    Type(Form11, QStringLiteral("Edit1"), f0);
    Type(Form11, QStringLiteral("Edit2"), band);
    Type(Form11, QStringLiteral("Edit5"), damping);
    Click(Form11, QStringLiteral("Button1"));
}

void Step2(const QString &detuning)
{
    Type(Form11, QStringLiteral("Edit4"), detuning);
    Click(Form11, QStringLiteral("Button2"));
}

void Step3(const QString &sigma1, const QString &selectivity)
{
    Type(Form11, QStringLiteral("Edit11"), sigma1);
    Type(Form11, QStringLiteral("Edit3"), selectivity);
    Click(Form11, QStringLiteral("Button3"));
}

void Step4(const QString &rho, const QString &source, const QString &load)
{
    Type(Form11, QStringLiteral("Edit6"), rho);
    Type(Form11, QStringLiteral("Edit7"), source);
    Type(Form11, QStringLiteral("Edit8"), load);
    Click(Form11, QStringLiteral("Button4"));
}

void Step6(const QString &sourceC, const QString &loadC)
{
    Type(Form11, QStringLiteral("Edit9"), sourceC);
    Type(Form11, QStringLiteral("Edit10"), loadC);
    Click(Form11, QStringLiteral("Button5"));
}

} // namespace

class TestForm11 : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;
    bool fresh = true; // no step pressed yet in this program run

private slots:
    void init() { boxes = StartWindowTest(Form11); }

    void cleanup()
    {
        boxes.reset();
        fresh = false;
    }

    // Must run first: every remembered value is still 0, and the fields hold
    // their default texts.
    void freshStart()
    {
        QVERIFY2(fresh, "freshStart must run before any other test function");
        const QString verdict = QStringLiteral("Проверка целесообразности применения ФСС");
        QCOMPARE(Text(Form11, QStringLiteral("Label7")), verdict);
        // Step 2 and step 6 first: 0/0 and a division by zero, nothing shown.
        Step2(QStringLiteral("10"));
        QCOMPARE(boxes->take(), QStringList{kInvalid});
        QCOMPARE(Texts(Form11, kStep2), QStringList(2, QString()));
        Step6(QStringLiteral("10"), QStringLiteral("15"));
        QCOMPARE(boxes->take(), QStringList{kDivZero});
        QCOMPARE(Texts(Form11, kStep6), QStringList(6, QString()));

        // Step 4 with the default 10 kOhm, then step 6 before any step 1: f0 is still 0.
        Type(Form11, QStringLiteral("Edit7"), QStringLiteral("1000"));
        Type(Form11, QStringLiteral("Edit8"), QStringLiteral("2000"));
        Click(Form11, QStringLiteral("Button4"));
        QCOMPARE(boxes->take(), QStringList());
        QCOMPARE(Texts(Form11, kStep4), QStringList({"0.316227766016838", "0.447213595499958"}));
        Click(Form11, QStringLiteral("Button5"));
        QCOMPARE(boxes->take(), QStringList{kDivZero});
        QCOMPARE(Texts(Form11, kStep6), QStringList(6, QString()));

        // The default damping, 0,006 in the definition, shows with the
        // separator in use: under "." step 1 reads it as it stands.
        QCOMPARE(Control<QLineEdit>(Form11, QStringLiteral("Edit5"))->text(), QStringLiteral("0.006"));
        Type(Form11, QStringLiteral("Edit1"), QStringLiteral("465"));
        Type(Form11, QStringLiteral("Edit2"), QStringLiteral("9"));
        Click(Form11, QStringLiteral("Button1"));
        QCOMPARE(boxes->take(), QStringList());
        QCOMPARE(Text(Form11, QStringLiteral("Label7")), kFeasible);
        Click(Form11, QStringLiteral("Button5"));
        QCOMPARE(boxes->take(), QStringList());
        QCOMPARE(Texts(Form11, kStep6), kElements);
        Click(Form11, QStringLiteral("Button2"));
        QCOMPARE(Texts(Form11, kStep2), QStringList({"0.62", "2.22222222222222"}));

        // Under "," it follows, and reads as 0.006 again.
        SetDecimalSeparator(QLatin1Char(','));
        QCOMPARE(Control<QLineEdit>(Form11, QStringLiteral("Edit5"))->text(), QStringLiteral("0,006"));
        Type(Form11, QStringLiteral("Edit2"), QStringLiteral("6"));
        Click(Form11, QStringLiteral("Button1"));
        QCOMPARE(Text(Form11, QStringLiteral("Label7")), kNotFeasible);
        Type(Form11, QStringLiteral("Edit2"), QStringLiteral("9"));
        Click(Form11, QStringLiteral("Button1"));
        Click(Form11, QStringLiteral("Button2"));
        QCOMPARE(boxes->take(), QStringList());
        QCOMPARE(Text(Form11, QStringLiteral("Label7")), kFeasible);
        QCOMPARE(Texts(Form11, kStep2), QStringList({"0,62", "2,22222222222222"}));

        // A text the user typed stays as typed.
        Type(Form11, QStringLiteral("Edit5"), QStringLiteral("0,01"));
        SetDecimalSeparator(QLatin1Char('.'));
        QCOMPARE(Control<QLineEdit>(Form11, QStringLiteral("Edit5"))->text(), QStringLiteral("0,01"));
    }

    // Step 1 after a good step 1 (100 kHz, 10 kHz, 0.01), then step 2: what
    // step 2 shows tells which values step 1 remembered.
    void step1ThenStep2_data()
    {
        AddSeparatorColumn();
        QTest::addColumn<QStringList>("fields"); // f0, П, d, Δf
        QTest::addColumn<QString>("verdict");    // empty: the label keeps its text
        QTest::addColumn<QStringList>("step2");  // β, α; "old" where unchanged
        QTest::addColumn<QStringList>("messages");
        const QString old = QStringLiteral("old");
        const QStringList none;

        NewRow("feasible") << QStringList{"465", "9", "0.006", "10"} << kFeasible
                           << QStringList{"0.62", "2.22222222222222"} << none;
        NewRow("not feasible") << QStringList{"465", "6", "0.006", "10"} << kNotFeasible
                               << QStringList{"0.93", "3.33333333333333"} << none;
        // d typed as the stored ratio П / (2 sqrt(2) f0) itself; unstored, the
        // extended ratio lies below it.
        NewRow("ratio equal to d") << QStringList{"465", "6", "0.0045619792334615971", "10"} << kFeasible
                                   << QStringList{"0.707106781186548", "3.33333333333333"} << none;
        NewRow("ratio one double below d")
            << QStringList{"465", "6", "0.004561979233461598", "10"} << kNotFeasible
            << QStringList{"0.707106781186548", "3.33333333333333"} << none;
        NewRow("comma separator", QLatin1Char(',')) << QStringList{"465", "9", "0,006", "10"} << kFeasible
                                                    << QStringList{"0,62", "2,22222222222222"} << none;
        // Failures: the values read before the failing one are remembered.
        NewRow("bad f0") << QStringList{"x", "9", "0.006", "10"} << QString() << QStringList{"0.2", "2"}
                         << QStringList{NotANumber("x")};
        NewRow("bad П") << QStringList{"465", "", "0.006", "10"} << QString() << QStringList{"0.93", "2"}
                        << QStringList{NotANumber("")};
        NewRow("0,006 under '.'") << QStringList{"465", "9", "0,006", "10"} << QString()
                                  << QStringList{"1.03333333333333", "2.22222222222222"}
                                  << QStringList{NotANumber("0,006")};
        NewRow("f0 = 0") << QStringList{"0", "9", "0.006", "10"} << QString()
                         << QStringList{"0", "2.22222222222222"} << QStringList{kDivZero};
        NewRow("f0 = 0, П = 0") << QStringList{"0", "0", "0.006", "10"} << QString() << QStringList{old, old}
                                << QStringList{kInvalid, kInvalid};
        NewRow("П = 0") << QStringList{"465", "0", "0.006", "10"} << kNotFeasible << QStringList{old, old}
                        << QStringList{kDivZero};
        NewRow("bad Δf") << QStringList{"465", "9", "0.006", "1 0"} << kFeasible << QStringList{"0.62", old}
                         << QStringList{NotANumber("1 0")};
        // β and α are stored as doubles, and beyond the largest double they overflow.
        NewRow("β beyond a double") << QStringList{"465", "1e-320", "0.006", "10"} << kNotFeasible
                                    << QStringList{old, old} << QStringList{kOverflow};
        NewRow("α beyond a double") << QStringList{"465", "0.1", "0.006", "1e308"} << kNotFeasible
                                    << QStringList{"55.8", old} << QStringList{kOverflow};
    }

    void step1ThenStep2()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, verdict);
        QFETCH(QStringList, step2);
        QFETCH(QStringList, messages);
        Step1(QStringLiteral("100"), QStringLiteral("10"), QStringLiteral("0.01"));
        QCOMPARE(boxes->take(), QStringList());
        UseRowSeparator();
        Control<QLabel>(Form11, QStringLiteral("Label7"))->setText(QStringLiteral("old"));
        SetTexts(Form11, kStep2, QStringLiteral("old"));
        Step1(fields[0], fields[1], fields[2]);
        Step2(fields[3]);
        QCOMPARE(Text(Form11, QStringLiteral("Label7")), verdict.isEmpty() ? QStringLiteral("old") : verdict);
        QCOMPARE(Texts(Form11, kStep2), step2);
        QCOMPARE(boxes->take(), messages);
    }

    void step3_data()
    {
        AddSeparatorColumn();
        QTest::addColumn<QString>("sigma1");
        QTest::addColumn<QString>("selectivity");
        QTest::addColumn<QString>("count"); // "old" where unchanged
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, const char *sigma1, const char *s, const char *count,
                            const QString &message = QString(), QChar separator = QLatin1Char('.')) {
            NewRow(name, separator) << QString::fromUtf8(sigma1) << QString::fromUtf8(s)
                                    << QString::fromUtf8(count) << message;
        };
        row("whole quotient", "8", "40", "5");
        row("positive fraction", "8", "42", "6");
        row("negative fraction", "8", "-42", "-5");
        row("fraction below 1", "8", "1", "1");
        // The extended quotients lie just above the whole numbers; the stored q is whole.
        row("10.8 / 0.9", "0.9", "10.8", "12");
        row("11.4 / 0.6", "0.6", "11.4", "19");
        row("10.3 / 1.03", "1.03", "10.3", "10");
        row("comma separator", "0,9", "10,8", "12", {}, QLatin1Char(','));
        // The 32-bit edge of the count.
        row("largest count", "1", "2147483647", "2147483647");
        row("fraction above largest", "1", "2147483647.5", "old", kInvalid);
        row("2^31", "1", "2147483648", "old", kInvalid);
        row("smallest count", "1", "-2147483648", "-2147483648");
        row("fraction below smallest", "2", "-4294967297", "-2147483648");
        row("below smallest", "1", "-2147483649", "old", kInvalid);
        row("beyond a double", "1e-300", "1e300", "old", kOverflow);
        row("σ1 = 0", "0", "40", "old", kDivZero);
        row("σ1 = 0, S = 0", "0", "0", "old", kInvalid);
        row("bad σ1", "", "40", "old", NotANumber(""));
        row("bad S", "8", "40 dB", "old", NotANumber("40 dB"));
        row("σ1 read before S", "", "40 dB", "old", NotANumber(""));
    }

    void step3()
    {
        QFETCH(QString, sigma1);
        QFETCH(QString, selectivity);
        QFETCH(QString, count);
        QFETCH(QString, message);
        UseRowSeparator();
        Control<QLabel>(Form11, QStringLiteral("Label23"))->setText(QStringLiteral("old"));
        Step3(sigma1, selectivity);
        QCOMPARE(Text(Form11, QStringLiteral("Label23")), count);
        QCOMPARE(boxes->take(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    // Step 4, then step 6 after step 1 (465 kHz, 9 kHz): step 6 shows which
    // ρ, m1 and m2 step 4 left remembered.  Each row starts from a good
    // step 4 (20 kOhm, 5000 Ohm, 5000 Ohm: m1 = m2 = 0.5).
    void step4ThenStep6_data()
    {
        AddSeparatorColumn();
        QTest::addColumn<QStringList>("fields"); // ρ, Rг, Rн, Cи, Cн
        QTest::addColumn<QStringList>("ratios"); // m1, m2; "old" where unchanged
        QTest::addColumn<QStringList>("elements");
        QTest::addColumn<QStringList>("messages");
        const QString old = QStringLiteral("old");
        // ρ = 20 kOhm, m1 = m2 = 0.5, as the starting step 4 leaves them.
        const QStringList unchanged = {"17.113434741064",  "1734.16138709449", "864.580693547243",
                                       "863.330693547243", "66.2455538363768", "132.491107672754"};

        NewRow("10 kOhm") << QStringList{"10", "1000", "2000", "10", "15"}
                          << QStringList{"0.316227766016838", "0.447213595499958"} << kElements
                          << QStringList();
        NewRow("20 kOhm, equal ends") << QStringList{"20", "5000", "5000", "10", "15"}
                                      << QStringList{"0.5", "0.5"} << unchanged << QStringList();
        NewRow("comma separator", QLatin1Char(','))
            << QStringList{"10", "1000", "2000", "10", "15"}
            << QStringList{"0,316227766016838", "0,447213595499958"}
            << QStringList{"34,226869482128",  "3468,32277418897", "1733,16138709449",
                           "1731,16138709449", "33,1227769181884", "66,2455538363768"}
            << QStringList();
        NewRow("Rг = 0") << QStringList{"10", "0", "2000", "10", "15"} << QStringList{old, old}
                         << QStringList{"34.226869482128",  "3468.32277418897", "1731.66138709449",
                                        "1730.41138709449", "33.1227769181884", "66.2455538363768"}
                         << QStringList{kDivZero};
        NewRow("Rн = 0") << QStringList{"20", "5000", "0", "10", "15"} << QStringList{old, old} << unchanged
                         << QStringList{kDivZero};
        NewRow("ρ = 0") << QStringList{"0", "1000", "2000", "10", "15"} << QStringList{old, old}
                        << QStringList(6, old) << QStringList{kDivZero, kDivZero};
        // Negative ρ: m1 fails, m1 and m2 stay 0.5, ρ = -10 is remembered.
        NewRow("ρ and Rг of opposite signs")
            << QStringList{"-10", "1000", "2000", "10", "15"} << QStringList{old, old}
            << QStringList{"-34.226869482128",  "-3468.32277418897", "-1736.66138709449",
                           "-1737.91138709449", "-33.1227769181884", "-66.2455538363768"}
            << QStringList{kInvalid};
        // m2 fails after m1 is shown: the new m1 and the old m2 are remembered.
        NewRow("ρ and Rн of opposite signs")
            << QStringList{"10", "1000", "-2000", "10", "15"} << QStringList{"0.316227766016838", old}
            << QStringList{"34.226869482128",  "3468.32277418897", "1733.16138709449",
                           "1730.41138709449", "33.1227769181884", "66.2455538363768"}
            << QStringList{kInvalid};
        // The conductances are stored as doubles: 1 / 1e-320 overflows before any result.
        NewRow("g1 beyond a double") << QStringList{"10", "1e-320", "2000", "10", "15"}
                                     << QStringList{old, old}
                                     << QStringList{"34.226869482128",  "3468.32277418897",
                                                    "1731.66138709449", "1730.41138709449",
                                                    "33.1227769181884", "66.2455538363768"}
                                     << QStringList{kOverflow};
        NewRow("g2 beyond a double") << QStringList{"10", "1000", "1e-320", "10", "15"}
                                     << QStringList{old, old}
                                     << QStringList{"34.226869482128",  "3468.32277418897",
                                                    "1731.66138709449", "1730.41138709449",
                                                    "33.1227769181884", "66.2455538363768"}
                                     << QStringList{kOverflow};
        // m1 = 4.1e308 does not fit a double: nothing shown, and step 6 then
        // fails at C1 with the tiny ρ remembered.
        NewRow("m1 beyond a double") << QStringList{"1e-312", "1.7e308", "2000", "10", "15"}
                                     << QStringList{old, old} << QStringList(6, old)
                                     << QStringList{kOverflow, kOverflow};
        // L1 = 3.3e308 does not fit a double: the capacitances are shown, L1 and L2 are not.
        NewRow("L1 beyond a double") << QStringList{"1e308", "1000", "2000", "10", "15"}
                                     << QStringList{"1E-154", "1.41421356237309E-154"}
                                     << QStringList{"3.4226869482128E-306",
                                                    "3.46832277418897E-304",
                                                    "1.73316138709449E-304",
                                                    "1.73116138709449E-304",
                                                    old,
                                                    old}
                                     << QStringList{kOverflow};
        // Each element value is stored as it is computed: with m1 or m2 = 10 a
        // source or load of 1e308 pF overflows C3 or C4, with ρ = 3e307 kOhm L2 overflows.
        NewRow("C3 beyond a double") << QStringList{"10", "1e6", "2000", "1e308", "15"}
                                     << QStringList{"10", "0.447213595499958"}
                                     << QStringList{"34.226869482128", "3468.32277418897", old, old, old, old}
                                     << QStringList{kOverflow};
        NewRow("C4 beyond a double")
            << QStringList{"10", "1000", "1e6", "10", "1e308"} << QStringList{"0.316227766016838", "10"}
            << QStringList{"34.226869482128", "3468.32277418897", "1733.16138709449", old, old, old}
            << QStringList{kOverflow};
        NewRow("L2 beyond a double") << QStringList{"3e307", "1000", "2000", "10", "15"}
                                     << QStringList{"1.82574185835055E-154", "2.58198889747161E-154"}
                                     << QStringList{"1.14089564940427E-305", "1.15610759139632E-303",
                                                    "5.77720462364829E-304", "5.77053795698162E-304",
                                                    "9.93683307545652E307",  old}
                                     << QStringList{kOverflow};
        NewRow("bad ρ") << QStringList{"10 kOhm", "1000", "2000", "10", "15"} << QStringList{old, old}
                        << unchanged << QStringList{NotANumber("10 kOhm")};
        // Fields are read in order, ρ remembered first: a bad Rг leaves ρ = 10 remembered.
        NewRow("bad Rг and Rн") << QStringList{"10", "x", "y", "10", "15"} << QStringList{old, old}
                                << QStringList{"34.226869482128",  "3468.32277418897", "1731.66138709449",
                                               "1730.41138709449", "33.1227769181884", "66.2455538363768"}
                                << QStringList{NotANumber("x")};
        NewRow("bad Cи and Cн") << QStringList{"10", "1000", "2000", "a", "b"}
                                << QStringList{"0.316227766016838", "0.447213595499958"}
                                << QStringList(6, old) << QStringList{NotANumber("a")};
        NewRow("bad Cн") << QStringList{"10", "1000", "2000", "10", "-"}
                         << QStringList{"0.316227766016838", "0.447213595499958"} << QStringList(6, old)
                         << QStringList{NotANumber("-")};
        // A negative C3 is shown without comment.
        NewRow("source capacitance beyond half of C2")
            << QStringList{"10", "1000", "2000", "20000", "15"}
            << QStringList{"0.316227766016838", "0.447213595499958"}
            << QStringList{"34.226869482128",  "3468.32277418897", "-265.838612905513",
                           "1731.16138709449", "33.1227769181884", "66.2455538363768"}
            << QStringList();
    }

    void step4ThenStep6()
    {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, ratios);
        QFETCH(QStringList, elements);
        QFETCH(QStringList, messages);
        Step1(QStringLiteral("465"), QStringLiteral("9"), QStringLiteral("0.006"));
        Step4(QStringLiteral("20"), QStringLiteral("5000"), QStringLiteral("5000"));
        QCOMPARE(boxes->take(), QStringList());
        UseRowSeparator();
        SetTexts(Form11, kStep4 + kStep6, QStringLiteral("old"));
        Step4(fields[0], fields[1], fields[2]);
        QCOMPARE(Texts(Form11, kStep4), ratios);
        Step6(fields[3], fields[4]);
        QCOMPARE(Texts(Form11, kStep6), elements);
        QCOMPARE(boxes->take(), messages);
    }

    // A ratio whose store fails is not remembered: a later step 4 that fails
    // before m1 leaves the earlier 0.5, which step 6 then uses.
    void ratioRememberedOnlyOnceStored()
    {
        Step1(QStringLiteral("465"), QStringLiteral("9"), QStringLiteral("0.006"));
        Step4(QStringLiteral("20"), QStringLiteral("5000"), QStringLiteral("5000"));
        Step4(QStringLiteral("1e-312"), QStringLiteral("1.7e308"), QStringLiteral("1.7e308"));
        Step4(QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("0"));
        QCOMPARE(boxes->take(), QStringList({kOverflow, kDivZero}));
        QCOMPARE(Texts(Form11, kStep4), QStringList({"0.5", "0.5"}));
        Step6(QStringLiteral("10"), QStringLiteral("15"));
        QCOMPARE(Texts(Form11, kStep6),
                 QStringList({"34.226869482128", "3468.32277418897", "1731.66138709449", "1730.41138709449",
                              "33.1227769181884", "66.2455538363768"}));
        QCOMPARE(boxes->take(), QStringList());
    }

    // A remembered П of 0 fails step 6 at C2, after C1 is shown.
    void step6WithNoPassBand()
    {
        Step1(QStringLiteral("465"), QStringLiteral("0"), QStringLiteral("0.006"));
        Step4(QStringLiteral("10"), QStringLiteral("1000"), QStringLiteral("2000"));
        SetTexts(Form11, kStep6, QStringLiteral("old"));
        Step6(QStringLiteral("10"), QStringLiteral("15"));
        QCOMPARE(Texts(Form11, kStep6), QStringList({"34.226869482128", "old", "old", "old", "old", "old"}));
        QCOMPARE(boxes->take(), QStringList{kDivZero});
    }

    // A remembered П of 1e-320 makes C2 about 3e324, beyond a double: C1 is shown, C2 is not.
    void step6WithTinyPassBand()
    {
        Step1(QStringLiteral("465"), QStringLiteral("1e-320"), QStringLiteral("0.006"));
        Step4(QStringLiteral("10"), QStringLiteral("1000"), QStringLiteral("2000"));
        SetTexts(Form11, kStep6, QStringLiteral("old"));
        Step6(QStringLiteral("10"), QStringLiteral("15"));
        QCOMPARE(Texts(Form11, kStep6), QStringList({"34.226869482128", "old", "old", "old", "old", "old"}));
        QCOMPARE(boxes->take(), QStringList{kOverflow});
    }

    // Later steps use what the earlier step remembered, not the fields' texts.
    void fieldsEditedAfterTheirStep()
    {
        Step1(QStringLiteral("465"), QStringLiteral("9"), QStringLiteral("0.006"));
        Step4(QStringLiteral("10"), QStringLiteral("1000"), QStringLiteral("2000"));
        Type(Form11, QStringLiteral("Edit1"), QStringLiteral("500"));
        Type(Form11, QStringLiteral("Edit2"), QStringLiteral("x"));
        Type(Form11, QStringLiteral("Edit5"), QStringLiteral("0.5"));
        Type(Form11, QStringLiteral("Edit6"), QStringLiteral("20"));
        Step2(QStringLiteral("10"));
        QCOMPARE(Texts(Form11, kStep2), QStringList({"0.62", "2.22222222222222"}));
        Step6(QStringLiteral("10"), QStringLiteral("15"));
        QCOMPARE(Texts(Form11, kStep6), kElements);
        QCOMPARE(boxes->take(), QStringList());
    }

    // A failing step 1 between two good ones: what it read before failing
    // counts, the verdict stays until the next good step 1.
    void failingStep1BetweenGoodOnes()
    {
        Step1(QStringLiteral("465"), QStringLiteral("9"), QStringLiteral("0.006"));
        Step1(QStringLiteral("465"), QStringLiteral("6"), QStringLiteral("0.006 "));
        Step1(QStringLiteral("930"), QStringLiteral("12"), QStringLiteral("0,006"));
        QCOMPARE(Text(Form11, QStringLiteral("Label7")), kNotFeasible);
        QCOMPARE(boxes->take(), QStringList{NotANumber("0,006")});
        Step2(QStringLiteral("10"));
        QCOMPARE(Texts(Form11, kStep2), QStringList({"0.93", "1.66666666666667"}));
        Step1(QStringLiteral("465"), QStringLiteral("9"), QStringLiteral("0.006"));
        QCOMPARE(Text(Form11, QStringLiteral("Label7")), kFeasible);
        Step2(QStringLiteral("10"));
        QCOMPARE(Texts(Form11, kStep2), QStringList({"0.62", "2.22222222222222"}));
        QCOMPARE(boxes->take(), QStringList());
    }

    void literature()
    {
        Click(Form11, QStringLiteral("Label43"));
        const QStringList shown = boxes->take();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].startsWith(QStringLiteral("warning: Литература: ")));
        QVERIFY(shown[0].contains(QLatin1String("1975")));
        QVERIFY(shown[0].contains(QLatin1String("87")));
        QVERIFY(!shown[0].contains(QLatin1Char('\n')));
        // Only a left click inside the label counts.
        QTest::mouseClick(Control<QLabel>(Form11, QStringLiteral("Label43")), Qt::RightButton);
        QCOMPARE(boxes->take(), QStringList());
    }

    void greekLettersAreDrawn_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("β") << "Label15" << QStringLiteral("β =");
        QTest::newRow("α") << "Label16" << QStringLiteral("α =");
        QTest::newRow("σ1") << "Label21" << QStringLiteral("σ1 =");
        QTest::newRow("β.") << "Label29" << QStringLiteral("β.");
    }

    void greekLettersAreDrawn()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        const QLabel *l = Control<QLabel>(Form11, label);
        QCOMPARE(l->text(), text);
        QCOMPARE(MissingGlyphs(l), QString());
        QVERIFY(l->font().bold());
    }

    // The Greek letters come from another face than Tahoma's; the labels
    // still sit on the baseline of the captions that share their row.
    void greekLabelsKeepTheirRowsBaseline_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("α") << "Label16"
                           << "Label14";
        QTest::newRow("σ1") << "Label21"
                            << "Label20";
    }

    void greekLabelsKeepTheirRowsBaseline()
    {
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QCOMPARE(Baseline(Control<QLabel>(Form11, label)), Baseline(Control<QLabel>(Form11, caption)));
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form11), QStringList({"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6",
                                                "Button1", "Edit7", "Edit8", "Edit9", "Edit10", "Button2",
                                                "Edit11", "Button3", "Button4", "Button5"}));
    }
};

VELORIX_TEST_MAIN(TestForm11)
#include "tst_form11.moc"
