// The capacitive divider window, driven as a user drives it.  The second
// button uses the ratio that the first one last showed, so the cases are
// sequences of presses, each on a window as the program starts it.
#include "TestKit.h"
#include "Unit14.h"

using namespace velorix;
using namespace velorix::test;

namespace {

// n, R'n.
const QStringList kResults = {"Label5", "Label9"};

} // namespace

class TestForm14 : public QObject {
    Q_OBJECT

private slots:
    // Runs first, on the program's own window while no ratio is remembered.
    void freshProgramStart()
    {
        auto boxes = StartWindowTest(Form14);
        const QStringList steps = {"Edit3=50", "Button2",   "Edit1=0", "Edit2=300", "Button1",
                                   "Button2",  "Edit1=100", "Button1", "Button2"};
        QCOMPARE(RunSteps(Form14, steps, kResults, *boxes),
                 QStringList({" | 0", " | 0 | " + kDivZero, " | 0", "4 | 0", "4 | 800"}));
    }

    void sequences_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("lines"); // one per button press
        const auto divider = [](const char *c1, const char *c2) {
            return QStringList{QStringLiteral("Edit1=") + c1, QStringLiteral("Edit2=") + c2, "Button1"};
        };
        const QStringList load50 = {"Edit3=50", "Button2"};

        QTest::newRow("100 nF over 300 nF")
            << "." << divider("100", "300") + load50 << QStringList{"4 | old", "4 | 800"};
        QTest::newRow("47 nF over 470 nF")
            << "." << divider("47", "470") + load50 << QStringList{"11 | old", "11 | 6050"};
        QTest::newRow("150 nF over 680 nF")
            << "." << divider("150", "680") + load50
            << QStringList{"5.53333333333333 | old", "5.53333333333333 | 1530.88888888889"};
        // The ratio is remembered as a double, not as the 15 digits shown:
        // n = 1 + 1e-15 shows as 1, yet n^2 Rn is not 5E29.
        QTest::newRow("ratio at full precision")
            << "." << divider("1", "1e-15") + QStringList{"Edit3=5e29", "Button2"}
            << QStringList{"1 | old", "1 | 5.00000000000001E29"};
        QTest::newRow("comma separator")
            << "," << divider("150", "680") + QStringList{"Edit3=0,5", "Button2"}
            << QStringList{"5,53333333333333 | old", "5,53333333333333 | 15,3088888888889"};
        // C1 + C2 is beyond the double range; only n is stored.
        QTest::newRow("sum beyond double")
            << "." << divider("1e308", "1e308") + load50 << QStringList{"2 | old", "2 | 200"};
        QTest::newRow("C2 = 0") << "." << divider("47", "0") + load50 << QStringList{"1 | old", "1 | 50"};
        QTest::newRow("C1 = -C2") << "." << divider("-47", "47") + load50 << QStringList{"0 | old", "0 | 0"};
        QTest::newRow("negative load") << "." << divider("100", "300") + QStringList{"Edit3=-50", "Button2"}
                                       << QStringList{"4 | old", "4 | -800"};

        QTest::newRow("second before first") << "." << load50 + divider("100", "300") + QStringList{"Button2"}
                                             << QStringList{"old | 0", "4 | 0", "4 | 800"};
        QTest::newRow("failing first between good ones")
            << "." << divider("100", "300") + divider("0", "300") + load50 + divider("0", "0") + load50
            << QStringList{"4 | old", "4 | old | " + kDivZero, "4 | 800",
                           "4 | 800 | error: Invalid floating point operation.", "4 | 800"};
        QTest::newRow("fields edited after first")
            << "." << divider("100", "300") + QStringList{"Edit1=47", "Edit2=470"} + load50
            << QStringList{"4 | old", "4 | 800"};
        // n^2 Rn beyond the double range fails; a ratio beyond it is not remembered.
        QTest::newRow("overflow") << "."
                                  << divider("1", "1e200") + load50 + divider("1e-200", "1e200") +
                                         QStringList{"Edit3=1e-300", "Button2"}
                                  << QStringList{
                                         "1E200 | old", "1E200 | old | error: Floating point overflow.",
                                         "1E200 | old | error: Floating point overflow.", "1E200 | 1E100"};
        QTest::newRow("bad C1") << "." << divider("100", "300") + divider("", "470") + load50
                                << QStringList{"4 | old",
                                               "4 | old | error: '' is not a valid floating point value.",
                                               "4 | 800"};
        QTest::newRow("bad C2") << "." << divider("100", "300") + divider("47", "4,7") + load50
                                << QStringList{"4 | old",
                                               "4 | old | error: '4,7' is not a valid floating point value.",
                                               "4 | 800"};
        QTest::newRow("C1 read before C2")
            << "." << divider("1 5", "x")
            << QStringList{"old | old | error: '1 5' is not a valid floating point value."};
        QTest::newRow("bad load") << "."
                                  << divider("100", "300") + load50 + QStringList{"Edit3=50 Ohm", "Button2"}
                                  << QStringList{
                                         "4 | old", "4 | 800",
                                         "4 | 800 | error: '50 Ohm' is not a valid floating point value."};
    }

    void sequences()
    {
        QFETCH(QString, separator);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, lines);
        TForm14 form; // no ratio remembered yet
        auto boxes = StartWindowTest(&form);
        SetDecimalSeparator(separator.front());
        for (const QString &label : kResults)
            Control<QLabel>(&form, label)->setText(QStringLiteral("old"));
        QCOMPARE(RunSteps(&form, steps, kResults, *boxes), lines);
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form14), QStringList({"Edit1", "Edit2", "Button1", "Button2", "Edit3"}));
    }
};

VELORIX_TEST_MAIN(TestForm14)
#include "tst_form14.moc"
