// The oscillating circuit window, driven as a user drives it.  Its later
// buttons use what the earlier ones remembered, so most cases are sequences
// of presses, each on a window as the program starts it.
#include "TestKit.h"
#include "Unit13.h"

using namespace velorix;
using namespace velorix::test;

namespace {

// rho, Rp, pass band, Z.
const QStringList kResults = {"Label6", "Label9", "Label14", "Label12"};

void SetResults(QWidget *form) { SetTexts(form, kResults, QStringLiteral("old")); }

} // namespace

class TestForm13 : public QObject {
    Q_OBJECT

private slots:
    // Runs first, on the program's own window while nothing is remembered.
    void freshProgramStart()
    {
        auto boxes = StartWindowTest(Form13);
        SetResults(Form13);
        const QStringList steps = {"Edit3=10", "Button2", "Edit4=475", "Button3", "Edit1=465", "Edit2=100",
                                   "Button1",  "Button3", "Edit3=100", "Button2", "Button3"};
        QCOMPARE(RunSteps(Form13, steps, kResults, *boxes),
                 QStringList({"old | 0 | 0 | old", "old | 0 | 0 | old | " + kDivZero,
                              "292.168116783851 | 0 | 0 | old", "292.168116783851 | 0 | 0 | 0",
                              "292.168116783851 | 29216.8116783851 | 4.65 | 0",
                              "292.168116783851 | 29216.8116783851 | 4.65 | 6683.15550383908"}));
    }

    void sequences_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("lines"); // one per button press
        const QString rho = "292.168116783851", Rp = "29216.8116783851";
        const QStringList first = {"Edit1=465", "Edit2=100", "Button1"};
        const QStringList chain = first + QStringList{"Edit3=100", "Button2", "Edit4=475", "Button3"};
        const QStringList chained = {rho + " | old | old | old", rho + " | " + Rp + " | 4.65 | old",
                                     rho + " | " + Rp + " | 4.65 | 6683.15550383908"};

        // At 232.923 kHz the stored detuning matters: unstored, Z would
        // show 195.365929172509.
        QTest::newRow("465 kHz circuit")
            << "." << chain + QStringList{"Edit4=465", "Button3", "Edit4=232.923", "Button3"}
            << chained + QStringList{rho + " | " + Rp + " | 4.65 | " + Rp,
                                     rho + " | " + Rp + " | 4.65 | 195.365929172508"};
        // The pass band is stored before it is shown: unstored it shows
        // 8.45454545454545.
        QTest::newRow("465 kHz, Q = 55")
            << "." << QStringList{"Edit1=465", "Edit2=10", "Button1", "Edit3=55", "Button2"}
            << QStringList{"29.2168116783851 | old | old | old",
                           "29.2168116783851 | 1606.92464231118 | 8.45454545454546 | old"};
        // Edit3 takes three characters: "50.5" arrives as "50.".
        QTest::newRow("1 MHz circuit")
            << "." << QStringList{"Edit1=1000", "Edit2=25.33", "Button1", "Edit3=50.5", "Button2"}
            << QStringList{"159.153083830859 | old | old | old",
                           "159.153083830859 | 7957.65419154295 | 20 | old"};
        QTest::newRow("comma separator")
            << "," << QStringList{"Edit1=465", "Edit2=1e2",   "Button1", "Edit3=100",
                                  "Button2",   "Edit4=475,0", "Button3"}
            << QStringList{"292,168116783851 | old | old | old",
                           "292,168116783851 | 29216,8116783851 | 4,65 | old",
                           "292,168116783851 | 29216,8116783851 | 4,65 | 6683,15550383908"};
        // (Q y)^2 is beyond the double range, not beyond the extended one.
        QTest::newRow("far from resonance")
            << "." << QStringList{"Edit1=1", "Edit2=100",   "Button1", "Edit3=100",
                                  "Button2", "Edit4=1e200", "Button3"}
            << QStringList{"0.628318530717959 | old | old | old",
                           "0.628318530717959 | 62.8318530717959 | 0.01 | old",
                           "0.628318530717959 | 62.8318530717959 | 0.01 | 6.28318530717959E-201"};

        // 2 pi f0 is beyond the double range; only rho is stored.
        QTest::newRow("2 pi f0 beyond double")
            << "." << QStringList{"Edit1=1e306", "Edit2=1e-3", "Button1", "Edit3=100", "Button2"}
            << QStringList{"6.28318530717959E300 | old | old | old",
                           "6.28318530717959E300 | 6.28318530717959E302 | 1E304 | old"};
        QTest::newRow("second before first")
            << "." << QStringList{"Edit3=10", "Button2"} + first + QStringList{"Button2"}
            << QStringList{"old | 0 | 0 | old", rho + " | 0 | 0 | old",
                           rho + " | 2921.68116783851 | 46.5 | old"};
        QTest::newRow("third before second")
            << "." << first + QStringList{"Edit4=475", "Button3"}
            << QStringList{rho + " | old | old | old", rho + " | old | old | 0"};
        QTest::newRow("third before first")
            << "." << QStringList{"Edit4=475", "Button3", "Edit4=0", "Button3"}
            << QStringList{"old | old | old | old | " + kDivZero, "old | old | old | old | " + kInvalid};
        QTest::newRow("signal frequency 0")
            << "." << first + QStringList{"Edit4=0", "Button3"}
            << QStringList{rho + " | old | old | old", rho + " | old | old | old | " + kDivZero};
        QTest::newRow("Q = 0 before first")
            << "." << QStringList{"Edit3=0", "Button2"} << QStringList{"old | 0 | old | old | " + kInvalid};
        // Q = 0 fails at the pass band, but Q and Rp are already remembered.
        QTest::newRow("failing second between good ones")
            << "." << chain + QStringList{"Edit3=0", "Button2", "Button3", "Edit3=100", "Button2", "Button3"}
            << chained + QStringList{rho + " | 0 | 4.65 | 6683.15550383908 | " + kDivZero,
                                     rho + " | 0 | 4.65 | 0", rho + " | " + Rp + " | 4.65 | 0",
                                     rho + " | " + Rp + " | 4.65 | 6683.15550383908"};
        QTest::newRow("fields edited after first")
            << "." << first + QStringList{"Edit1=1000", "Edit2=25.33", "Edit3=100", "Button2"}
            << QStringList{rho + " | old | old | old", rho + " | " + Rp + " | 4.65 | old"};
        QTest::newRow("quality factor edited after second")
            << "." << chain.mid(0, 5) + QStringList{"Edit3=50", "Edit4=475", "Button3"}
            << chained.mid(0, 2) + QStringList{rho + " | " + Rp + " | 4.65 | 6683.15550383908"};

        // A bad inductance fails after f0 is remembered; a bad f0 changes nothing.
        QTest::newRow("bad inductance")
            << "." << first + QStringList{"Edit1=1000", "Edit2=x", "Button1", "Edit3=100", "Button2"}
            << QStringList{rho + " | old | old | old", rho + " | old | old | old | " + NotANumber("x"),
                           rho + " | " + Rp + " | 10 | old"};
        QTest::newRow("bad resonance frequency")
            << "." << first + QStringList{"Edit1=1 000", "Edit2=25.33", "Button1", "Edit3=100", "Button2"}
            << QStringList{rho + " | old | old | old", rho + " | old | old | old | " + NotANumber("1 000"),
                           rho + " | " + Rp + " | 4.65 | old"};
        QTest::newRow("bad quality factor")
            << "." << chain.mid(0, 5) + QStringList{"Edit3=1,5", "Button2", "Edit4=475", "Button3"}
            << chained.mid(0, 2) + QStringList{rho + " | " + Rp + " | 4.65 | old | " + NotANumber("1,5"),
                                               rho + " | " + Rp + " | 4.65 | 6683.15550383908"};
        QTest::newRow("empty signal frequency")
            << "." << chain + QStringList{"Edit4=", "Button3"}
            << chained + QStringList{rho + " | " + Rp + " | 4.65 | 6683.15550383908 | " + NotANumber("")};

        // A result that overflows at its store is not remembered: the
        // resonance-frequency step below keeps the old rho (and the new f0),
        // the next one the old Rp (and the new Q), which Z = Rp shows at
        // resonance.
        QTest::newRow("overflow keeps the old values")
            << "." << chain.mid(0, 5) + QStringList{"Edit1=1e305", "Edit2=1e6", "Button1",   "Button2",
                                                    "Edit1=1e304", "Button1",   "Edit3=999", "Button2",
                                                    "Edit4=1e304", "Button3"}
            << chained.mid(0, 2) +
                   QStringList{rho + " | " + Rp + " | 4.65 | old | " + kOverflow,
                               rho + " | " + Rp + " | 1E303 | old",
                               "6.28318530717959E307 | " + Rp + " | 1E303 | old",
                               "6.28318530717959E307 | " + Rp + " | 1E303 | old | " + kOverflow,
                               "6.28318530717959E307 | " + Rp + " | 1E303 | " + Rp};
        // Q is remembered as soon as it is read: Rp overflows, and the third
        // button then uses the new Q with the old Rp.
        QTest::newRow("overflowing Rp keeps the new Q")
            << "." << chain + QStringList{"Edit2=1e307", "Button1", "Edit3=10", "Button2", "Button3"}
            << chained +
                   QStringList{"2.92168116783851E307 | " + Rp + " | 4.65 | 6683.15550383908",
                               "2.92168116783851E307 | " + Rp + " | 4.65 | 6683.15550383908 | " + kOverflow,
                               "2.92168116783851E307 | " + Rp + " | 4.65 | 26883.518166962"};
    }

    void sequences()
    {
        QFETCH(QString, separator);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, lines);
        TForm13 form; // nothing remembered yet
        auto boxes = StartWindowTest(&form);
        SetDecimalSeparator(separator.front());
        SetResults(&form);
        QCOMPARE(RunSteps(&form, steps, kResults, *boxes), lines);
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form13),
                 QStringList({"Edit1", "Edit2", "Button1", "Edit3", "Button2", "Edit4", "Button3"}));
    }
};

VELORIX_TEST_MAIN(TestForm13)
#include "tst_form13.moc"
