// The capacitor reactance window, driven as a user drives it.
#include "TestKit.h"
#include "Unit3.h"

using namespace velorix;
using namespace velorix::test;

class TestForm3 : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void init()
    {
        boxes = StartWindowTest(Form3);
        Control<QLabel>(Form3, QStringLiteral("Label6"))->setText(QStringLiteral("previous"));
    }

    void cleanup() { boxes.reset(); }

    void reactance_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("capacitance");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("box");
        // A row with no result keeps the label's previous text; "C" and "f"
        // stand for the conversion error about that field's text.
        const char *rows[][6] = {
            {"100 nF, 1 kHz", ".", "100", "1", "1591.54943091895", ""},
            {"1 nF, 1000 kHz", ".", "1", "1000", "159.154943091895", ""},
            {"10 nF, 455 kHz", ".", "10", "455", "34.9791083718451", ""},
            {"0.1 nF, 1 kHz", ".", "0.1", "1", "1591549.43091895", ""},
            {"negative C", ".", "-100", "1", "-1591.54943091895", ""},
            {"comma separator", ",", "0,1", "1", "1591549,43091895", ""},
            {"comma, tiny result", ",", "1e12", "1e6", "1,59154943091895E-13", ""},
            {"C = 0", ".", "0", "1", "", "Floating point division by zero."},
            {"f = 0", ".", "100", "0", "", "Floating point division by zero."},
            {"overflow", ".", "1e-300", "1e-300", "", "Floating point overflow."},
            {"empty C", ".", "", "1", "", "C"},
            {"empty f", ".", "1", "", "", "f"},
            {"blanks", ".", "   ", "1", "", "C"},
            {"1,5 under '.'", ".", "1,5", "1", "", "C"},
            {"0.5 under ','", ",", "0.5", "1", "", "C"},
            {"hex", ".", "0x10", "1", "", "C"},
            {"non-ASCII digits", ".", "١٢", "1", "", "C"},
            {"control character", ".", "1\u00012", "1", "", "C"},
            {"nan text", ".", "nan", "1", "", "C"},
            {"inf text", ".", "1", "inf", "", "f"},
        };
        for (const auto &r : rows) {
            const QString c = QString::fromUtf8(r[2]), f = QString::fromUtf8(r[3]);
            QString box = QString::fromUtf8(r[5]);
            if (box.size() == 1)
                box = QStringLiteral("'%1' is not a valid floating point value.")
                          .arg(box == QLatin1String("C") ? c : f);
            QTest::newRow(r[0]) << QString::fromUtf8(r[1]) << c << f
                                << (r[4][0] ? QString::fromUtf8(r[4]) : QStringLiteral("previous"))
                                << (box.isEmpty() ? box : QStringLiteral("error: ") + box);
        }
        const QString huge(100000, QLatin1Char('7'));
        QTest::newRow("100,000 characters") << "." << huge << "1"
                                            << "previous" << NotANumber(huge);
    }

    void reactance()
    {
        QFETCH(QString, separator);
        QFETCH(QString, capacitance);
        QFETCH(QString, frequency);
        QFETCH(QString, shown);
        QFETCH(QString, box);
        SetDecimalSeparator(separator.front());
        // Control characters and other digits cannot be typed; Type pastes them.
        Type(Form3, QStringLiteral("Edit1"), capacitance);
        Type(Form3, QStringLiteral("Edit2"), frequency);
        Click(Form3, QStringLiteral("Button1"));
        QCOMPARE(Text(Form3, QStringLiteral("Label6")), shown);
        QCOMPARE(boxes->take(), box.isEmpty() ? QStringList() : QStringList{box});
    }

    void resultLabelFitsItsText()
    {
        Fill(Form3, {QStringLiteral("-0.1"), QStringLiteral("1")});
        Click(Form3, QStringLiteral("Button1"));
        auto *label = Control<QLabel>(Form3, QStringLiteral("Label6"));
        QCOMPARE(label->text(), QStringLiteral("-1591549.43091895"));
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        QVERIFY(label->font().bold());
        QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByMouse);
    }
};

VELORIX_TEST_MAIN(TestForm3)
#include "tst_form3.moc"
