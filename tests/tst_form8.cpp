// The two-supply thermal stabilisation window, driven as a user drives it.
#include "TestKit.h"
#include "Unit8.h"

#include <QRadioButton>

using namespace velorix;
using namespace velorix::test;

namespace {

const QStringList kResults = {"Label17", "Label19", "Label20", "Label21", "Label23"};
const QString kReWarning = QStringLiteral("warning: Rэ < 0, выберите транзистор с меньшим обратным током "
                                          "коллектора либо увеличьте ток покоя коллектора");
const QString kRkWarning = QStringLiteral("warning: Rк < 0, увеличьте напряжение питания");

QStringList Results() { return Texts(Form8, kResults); }

void SetResults(const QString &text) { SetTexts(Form8, kResults, text); }

} // namespace

class TestForm8 : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void init() { boxes = StartWindowTest(Form8); }

    void cleanup() { boxes.reset(); }

    // Runs first, while the window is as the program starts it.
    void noMaterialSelected()
    {
        for (const char *r : {"RadioButton1", "RadioButton2"})
            QVERIFY(!Control<QRadioButton>(Form8, QLatin1String(r))->isChecked());
        SetResults(QStringLiteral("old"));
        Fill(Form8, {"12", "-60", "60", "0.1", "2", "5", "0.3"});
        Click(Form8, QStringLiteral("Button1"));
        QCOMPARE(boxes->take(), QStringList{kDivZero});
        QCOMPARE(Results(), QStringList(5, QStringLiteral("old")));
    }

    void design_data()
    {
        AddSeparatorColumn();
        QTest::addColumn<QStringList>("fields"); // Ek, Tmin, Tmax, Iko, Ik, Uke, dIk
        QTest::addColumn<QString>("material");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("messages");
        const QStringList base = {"12", "-60", "60", "0.1", "2", "5", "0.3"};
        QStringList fields = base;

        // Rк = (Ек + Ес - Uкэ) / Iк - Rэ: the collector loop runs through Rэ
        // as well, so a stage built from these values has the asked-for Uкэ.
        NewRow("silicon") << base << "RadioButton1"
                          << QStringList{"26", "0.216", "789", "2.27743629525186", "3850"} << QStringList();
        fields[3] = "2";
        NewRow("germanium") << fields << "RadioButton2"
                            << QStringList{"32", "0.216", "807", "2.01395440693925", "3700"} << QStringList();
        fields[6] = "0.03";
        NewRow("negative Re") << fields << "RadioButton2"
                              << QStringList{"32", "0.216", "-92527", "-184.654589732497", "3700"}
                              << QStringList{kReWarning};
        fields = base;
        fields[0] = "3";
        fields[5] = "9";
        NewRow("negative Rk") << fields << "RadioButton1"
                              << QStringList{"26", "0.216", "789", "2.27743629525186", "-2650"}
                              << QStringList{kRkWarning};
        NewRow("9 V stage") << QStringList{"9", "-40", "50", "0.05", "1", "4", "0.2"} << "RadioButton1"
                            << QStringList{"3", "0.162", "823", "1.52345207282062", "5700"} << QStringList();
        // The number of doublings of the reverse current, (T2 - 293) / k, is
        // stored: unstored, Ес shows 18.1775852731162.
        NewRow("10 V stage, 5 mA") << QStringList{"10", "-10", "65", "0.5", "5", "2", "0.3"} << "RadioButton1"
                                   << QStringList{"261", "0.135", "3496", "18.1775852731163", "1740"}
                                   << QStringList();
        // Rк lies just above a tie, 7937.5, once Rэ, Ес and Rк are stored;
        // with any of the three unstored it shows 7937.
        NewRow("15 V stage, 1.6 mA") << QStringList{"15", "0", "70", "0.05", "1.6", "3", "1"}
                                     << "RadioButton1"
                                     << QStringList{"52", "0.126", "133", "0.912720118819674", "7938"}
                                     << QStringList();
        NewRow("comma separator", QLatin1Char(','))
            << QStringList{"9", "-40", "50", "0,05", "1", "4", "0,2"} << "RadioButton1"
            << QStringList{"3", "0,162", "823", "1,52345207282062", "5700"} << QStringList();

        // Failures: what was written before the failing step stays.
        const QString old = QStringLiteral("old");
        fields = base;
        fields[3] = "0";
        fields[6] = "0";
        NewRow("no current margin") << fields << "RadioButton1" << QStringList{"0", "0.216", old, old, old}
                                    << QStringList{kDivZero};
        fields[1] = "20";
        fields[2] = "20";
        NewRow("no margin, Tmin = Tmax")
            << fields << "RadioButton1" << QStringList{"0", "0", old, old, old} << QStringList{kInvalid};
        fields = base;
        fields[4] = "0";
        NewRow("Ik = 0") << fields << "RadioButton1" << QStringList{"26", "0.216", "789", "0.7", old}
                         << QStringList{kDivZero};
        fields[0] = "0";
        fields[5] = "0.4";
        NewRow("Ik = 0, Ek + Ec = Uke")
            << fields << "RadioButton2" << QStringList{"2", "0.216", "724", "0.4", old}
            << QStringList{kInvalid};
        fields = base;
        fields[4] = "1e-20";
        NewRow("Rk beyond 64 bits") << fields << "RadioButton1"
                                    << QStringList{"26", "0.216", "789", "0.7", old} << QStringList{kInvalid};
        fields = base;
        fields[3] = "1e307";
        NewRow("Iko.max overflows") << fields << "RadioButton1" << QStringList(5, old)
                                    << QStringList{"error: Floating point overflow."};
        fields = base;
        fields[0] = "x";
        NewRow("not a number") << fields << "RadioButton1" << QStringList(5, old)
                               << QStringList{"error: 'x' is not a valid floating point value."};
        fields = base;
        fields[6] = "";
        NewRow("empty last field") << fields << "RadioButton1" << QStringList(5, old)
                                   << QStringList{"error: '' is not a valid floating point value."};
    }

    void design() { CheckDesign(Form8, kResults, *boxes); }

    void warningsFollowTheirResistor_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QStringList>("atBoxes");
        QTest::newRow("Re") << QStringList{"12", "-60", "60", "2", "2", "5", "0.03"} << "RadioButton2"
                            << QStringList{"32 | 0.216 | -92527 | old | old"};
        QTest::newRow("Rk") << QStringList{"3", "-60", "60", "0.1", "2", "9", "0.3"} << "RadioButton1"
                            << QStringList{"26 | 0.216 | 789 | 2.27743629525186 | -2650"};
    }

    void warningsFollowTheirResistor()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, material);
        QFETCH(QStringList, atBoxes);
        QStringList seen;
        MessagePresenter recorder = SetMessagePresenter({});
        SetMessagePresenter([&](MessageKind kind, const QString &text) {
            seen << Results().join(QStringLiteral(" | "));
            recorder(kind, text);
        });
        SetResults(QStringLiteral("old"));
        Fill(Form8, fields);
        Click(Form8, material);
        Click(Form8, QStringLiteral("Button1"));
        SetMessagePresenter(recorder);
        QCOMPARE(boxes->take().size(), 1);
        QCOMPARE(seen, atBoxes);
    }

    void temperatureFieldsAreShort()
    {
        Type(Form8, QStringLiteral("Edit2"), QStringLiteral("-600"));
        Type(Form8, QStringLiteral("Edit3"), QStringLiteral("600"));
        QCOMPARE(Control<QLineEdit>(Form8, QStringLiteral("Edit2"))->text(), QStringLiteral("-60"));
        QCOMPARE(Control<QLineEdit>(Form8, QStringLiteral("Edit3"))->text(), QStringLiteral("60"));
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form8), QStringList({"Button1", "Edit1", "Edit2", "Edit3", "RadioButton1",
                                               "RadioButton2", "Edit4", "Edit5", "Edit6", "Edit7"}));
    }
};

VELORIX_TEST_MAIN(TestForm8)
#include "tst_form8.moc"
