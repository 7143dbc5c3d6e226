// The decimal separator comes from the regional settings the program starts
// with; CTest runs this under Russian and under English settings, and
// VELORIX_EXPECTED_SEPARATOR says which separator those settings have.
#include "Examples.h"
#include "ShellTest.h"

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

    // Every worked example with a known result, typed and read with the
    // separator of the settings the program started with.
    void everyWindowReadsAndShowsWithIt_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        const QChar sep = DecimalSeparator();
        for (const WorkedExample &e : WorkedExamples()) {
            if (!*e.expected)
                continue;
            QTest::addRow("%s %s", e.window, e.handler)
                << QString::fromLatin1(e.window) << StepsWith(e, sep) << QString::fromLatin1(e.last)
                << QString::fromUtf8(e.expected).replace(QLatin1Char('.'), sep);
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

VELORIX_SHELL_TEST_MAIN(TestLocale)
#include "tst_locale.moc"
