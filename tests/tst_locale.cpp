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

    void windowReadsAndShowsWithIt()
    {
        BoxRecorder boxes;
        const QString sep = DecimalSeparator();
        Form3->showAndRaise();
        Fill(Form3, {QStringLiteral("0") + sep + QStringLiteral("1"), QStringLiteral("1")});
        Click(Form3, QStringLiteral("Button1"));
        QCOMPARE(Text(Form3, QStringLiteral("Label6")),
                 QStringLiteral("1591549") + sep + QStringLiteral("43091895"));
        QVERIFY(boxes.take().isEmpty());
    }
};

VELORIX_TEST_MAIN(TestLocale)
#include "tst_locale.moc"
