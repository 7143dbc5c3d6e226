// The single-supply thermal stabilisation window, driven as a user drives it.
#include "TestKit.h"
#include "Unit7.h"

#include <QRadioButton>

using namespace velorix;
using namespace velorix::test;

namespace {

const QStringList kResults = {"Label13", "Label16", "Label20", "Label22", "Label25", "Label28"};
const QString kRkWarning = QStringLiteral("warning: Rк < 0, увеличьте Ек");
const QString kUeWarning = QStringLiteral("warning: Ошибка: Ure > Ek!");
const QString kR1Warning = QStringLiteral(
    "warning: R1 < 0, увеличьте напряжение на Rэ или максимальную рабочую температуру и рассчитайте заново");

QStringList Results() { return Texts(Form7, kResults); }

void SetResults(const QString &text) { SetTexts(Form7, kResults, text); }

} // namespace

class TestForm7 : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void init() { boxes = StartWindowTest(Form7); }

    void cleanup() { boxes.reset(); }

    // Runs first, while the window is as the program starts it.
    void noMaterialSelected()
    {
        for (const char *r : {"RadioButton1", "RadioButton2"})
            QVERIFY(!Control<QRadioButton>(Form7, QLatin1String(r))->isChecked());
        SetResults(QStringLiteral("old"));
        Fill(Form7, {"5", "-40", "60", "0.1", "2", "5", "0.3", "6"});
        Click(Form7, QStringLiteral("Button1"));
        QCOMPARE(boxes->take(), QStringList({kUeWarning, "error: Floating point division by zero."}));
        QCOMPARE(Results(), QStringList(6, QStringLiteral("old")));
    }

    void design_data()
    {
        AddSeparatorColumn();
        QTest::addColumn<QStringList>("fields"); // Ek, Tmin, Tmax, Iko, Ik, Uke, dIk, Ue
        QTest::addColumn<QString>("material");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("messages");
        const QStringList base = {"12", "-40", "60", "0.1", "2", "5", "0.3", "2"};
        QStringList fields = base;

        NewRow("silicon") << base << "RadioButton1"
                          << QStringList{"26", "0.18", "1000", "2500", "21546", "4309"} << QStringList();
        fields[3] = "2";
        NewRow("germanium") << fields << "RadioButton2"
                            << QStringList{"32", "0.18", "1000", "2500", "16267", "3253"} << QStringList();
        fields = base;
        fields[3] = "1";
        NewRow("negative R1") << fields << "RadioButton1"
                              << QStringList{"261", "0.18", "1000", "2500", "-3245", "-649"}
                              << QStringList{kR1Warning};
        NewRow("Ue above Ek") << QStringList{"5", "-40", "60", "1", "2", "5", "0.3", "6"} << "RadioButton2"
                              << QStringList{"16", "0.18", "3000", "-3000", "34612", "-207673"}
                              << QStringList{kUeWarning, kRkWarning};
        NewRow("9 V stage") << QStringList{"9", "-20", "50", "0.5", "1", "4", "0.2", "1.5"} << "RadioButton1"
                            << QStringList{"33", "0.126", "1500", "3500", "22954", "4591"} << QStringList();
        fields = base;
        fields[3] = "0.001";
        NewRow("unrounded Iko.max") << fields << "RadioButton1"
                                    << QStringList{"0", "0.18", "1000", "2500", "2748620", "549724"}
                                    << QStringList();
        fields = base;
        fields[1] = "60";
        fields[2] = "-4";
        NewRow("Tmax below Tmin") << fields << "RadioButton1"
                                  << QStringList{"0", "-0.1152", "1000", "2500", "679700894", "135940179"}
                                  << QStringList();
        // Rows that pin the stores.  Re = 937.5 and Rk = 2187.5 are ties, and
        // their stores decide the rounding: unstored, 937 and 2187.
        NewRow("ties of Re and Rk") << QStringList{"12", "-40", "70", "0.01", "3.2", "2", "0.3", "3"}
                                    << "RadioButton1"
                                    << QStringList{"10", "0.198", "938", "2188", "28100", "9367"}
                                    << QStringList();
        // T2 - T1 is not exactly 50 K: unstored, ΔUб shows 0.0899999999999999.
        NewRow("-22 to 28 degC") << QStringList{"12", "-22", "28", "0.1", "2", "5", "0.3", "2"}
                                 << "RadioButton1"
                                 << QStringList{"0", "0.09", "1000", "2500", "4064911", "812982"}
                                 << QStringList();
        // A reverse current of 3.3 fA makes R1 and R2 large enough to show
        // every digit: with R1 unstored R1 shows 102282642417181, with R2
        // unstored R2 shows 9298422037925.
        NewRow("R1 and R2 beyond 1E13")
            << QStringList{"24", "-40", "50", "3.3e-9", "1", "5", "1", "2"} << "RadioButton1"
            << QStringList{"0", "0.162", "2000", "17000", "102282642417180", "9298422037926"}
            << QStringList();
        NewRow("comma separator", QLatin1Char(','))
            << QStringList{"9", "-20", "50", "0,5", "1", "4", "0,2", "1,5"} << "RadioButton1"
            << QStringList{"33", "0,126", "1500", "3500", "22954", "4591"} << QStringList();

        // Failures: what was written before the failing step stays.
        const QString old = QStringLiteral("old");
        fields = base;
        fields[4] = "0";
        NewRow("Ik = 0") << fields << "RadioButton1" << QStringList{"26", "0.18", old, old, old, old}
                         << QStringList{"error: Floating point division by zero."};
        fields[7] = "0";
        NewRow("Ik = 0, Ue = 0") << fields << "RadioButton1" << QStringList{"26", "0.18", old, old, old, old}
                                 << QStringList{"error: Invalid floating point operation."};
        fields = base;
        fields[3] = "0";
        NewRow("Iko = 0") << fields << "RadioButton1" << QStringList{"0", "0.18", "1000", "2500", old, old}
                          << QStringList{"error: Floating point division by zero."};
        // Ue = Ek: the stored Re makes Ik * Re miss Ek by one rounding; R2
        // must still fail instead of showing 1.73292604134761E18.
        NewRow("Ue = Ek") << QStringList{"2", "-40", "60", "0.1", "3", "1", "0.3", "2"} << "RadioButton1"
                          << QStringList{"26", "0.18", "667", "-333", "99", old}
                          << QStringList{kRkWarning, "error: Floating point division by zero."};
        fields = base;
        fields[0] = "x";
        NewRow("not a number") << fields << "RadioButton1" << QStringList(6, old)
                               << QStringList{"error: 'x' is not a valid floating point value."};
        fields = base;
        fields[7] = "";
        NewRow("empty last field") << fields << "RadioButton1" << QStringList(6, old)
                                   << QStringList{"error: '' is not a valid floating point value."};
    }

    void design() { CheckDesign(Form7, kResults, *boxes); }

    void temperatureFieldsAreShort()
    {
        Type(Form7, QStringLiteral("Edit2"), QStringLiteral("-400"));
        Type(Form7, QStringLiteral("Edit3"), QStringLiteral("600"));
        QCOMPARE(Control<QLineEdit>(Form7, QStringLiteral("Edit2"))->text(), QStringLiteral("-40"));
        QCOMPARE(Control<QLineEdit>(Form7, QStringLiteral("Edit3"))->text(), QStringLiteral("60"));
    }

    void materialsExcludeEachOther()
    {
        Click(Form7, QStringLiteral("RadioButton1"));
        Click(Form7, QStringLiteral("RadioButton2"));
        QVERIFY(!Control<QRadioButton>(Form7, QStringLiteral("RadioButton1"))->isChecked());
        QVERIFY(Control<QRadioButton>(Form7, QStringLiteral("RadioButton2"))->isChecked());
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form7), QStringList({"Edit1", "Edit2", "Button1", "Edit3", "RadioButton1",
                                               "RadioButton2", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"}));
    }
};

VELORIX_TEST_MAIN(TestForm7)
#include "tst_form7.moc"
