// The decimal separator comes from the regional settings the program starts
// with; CTest runs this under Russian and under English settings, and
// VELORIX_EXPECTED_SEPARATOR says which separator those settings have.
#include "TestKit.h"

using namespace velorix;
using namespace velorix::test;

class TestLocale : public QObject {
    Q_OBJECT

private slots:
    void separatorFromSettings()
    {
        const QByteArray expected = qgetenv("VELORIX_EXPECTED_SEPARATOR");
        QCOMPARE(expected.size(), 1);
        QCOMPARE(DecimalSeparator(), QLatin1Char(expected[0]));
    }

    // One calculation in every window, typed and read with the separator of
    // the settings the program started with; "~" stands for it.
    void everyWindowReadsAndShowsWithIt_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        const struct {
            const char *window;
            QStringList steps;
            const char *label, *shown;
        } rows[] = {
            {"Form2", {"Edit6=2~5", "Edit7=100", "Button3"}, "Label25", "636~619772367581"},
            {"Form3", {"Edit1=0~1", "Edit2=1", "Button1"}, "Label6", "1591549~43091895"},
            {"Form4", {"Edit1=0~5", "Edit2=455~5", "Button1"}, "Label6", "1~43099545371015"},
            {"Form5",
             {"Edit1=100", "Edit2=1000", "Edit3=0~5", "Edit4=2~5", "Button1"},
             "Label32",
             "0~299716803589196"},
            {"Form6",
             {"Edit1=100", "Edit2=1000", "Edit3=0~5", "Edit4=2~5", "Button1"},
             "Label30",
             "17~4405944905119"},
            {"Form7",
             {"Edit1=9", "Edit2=-20", "Edit3=50", "Edit4=0~5", "Edit5=1", "Edit6=4", "Edit7=0~2", "Edit8=1~5",
              "RadioButton1", "Button1"},
             "Label16",
             "0~126"},
            {"Form8",
             {"Edit1=9", "Edit2=-40", "Edit3=50", "Edit4=0~05", "Edit5=1", "Edit6=4", "Edit7=0~2",
              "RadioButton1", "Button1"},
             "Label21",
             "1~52345207282062"},
            {"Form9", {"Edit1=0~5", "Edit2=10", "Button1"}, "Label5", "318309~886183791"},
            {"Form10", {"Edit1=50", "Edit2=1000", "Button1"}, "Label6", "4~47213595499958"},
            {"Form11", {"Edit6=10", "Edit7=1000", "Edit8=2000", "Button4"}, "Label25", "0~316227766016838"},
            {"Form12",
             {"Edit1=510", "Edit2=5000", "Edit3=7", "Edit4=470", "Button1"},
             "Label17",
             "56~7347210394884"},
            {"Form13", {"Edit1=465", "Edit2=1e2", "Button1"}, "Label6", "292~168116783851"},
            {"Form14", {"Edit1=150", "Edit2=680", "Button1"}, "Label5", "5~53333333333333"},
            {"Form15", {"Edit1=100", "Edit2=25~5", "Edit3=0", "Edit4=100", "Button1"}, "Label10", "2675~5"},
            {"Form16",
             {"Edit1=200", "Edit2=25", "Edit3=50", "Edit4=40", "Edit5=100", "Edit6=100", "Edit7=2~5",
              "Edit8=1000", "Button1"},
             "Label19",
             "0~946571451205849"},
        };
        const QString sep = DecimalSeparator();
        for (const auto &r : rows) {
            QStringList steps = r.steps;
            steps.replaceInStrings(QStringLiteral("~"), sep);
            QTest::newRow(r.window) << QString::fromLatin1(r.window) << steps << QString::fromLatin1(r.label)
                                    << QString::fromUtf8(r.shown).replace(QLatin1Char('~'), sep);
        }
    }

    void everyWindowReadsAndShowsWithIt()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, steps);
        QFETCH(QString, label);
        QFETCH(QString, shown);
        BoxRecorder boxes;
        TCalcForm *form = Calculator(window);
        QVERIFY(form);
        form->showAndRaise();
        const QStringList lines = RunSteps(form, steps, {label}, boxes);
        QCOMPARE(lines.last(), shown);
    }
};

VELORIX_TEST_MAIN(TestLocale)
#include "tst_locale.moc"
