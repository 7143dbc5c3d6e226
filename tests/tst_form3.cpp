// The capacitor reactance window, driven as a user drives it.
#include "TestKit.h"

using namespace velorix;
using namespace velorix::test;

class TestForm3 : public QObject {
    Q_OBJECT
    BoxRecorder *boxes = nullptr;

private slots:
    void init()
    {
        boxes = new BoxRecorder;
        SetDecimalSeparator(QLatin1Char('.'));
        Form3->showAndRaise();
        Control<QLabel>(Form3, QStringLiteral("Label6"))->setText(QStringLiteral("previous"));
    }

    void cleanup()
    {
        QVERIFY2(boxes->unexpected().isEmpty(), qPrintable(boxes->unexpected().join(QLatin1Char('|'))));
        delete boxes;
    }

    void reactance_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("capacitance");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("box");
        const QString unchanged = QStringLiteral("previous");
        const QString divZero = QStringLiteral("error: Floating point division by zero.");
        const auto conversion = [](const QString &t) {
            return QStringLiteral("error: '%1' is not a valid floating point value.").arg(t);
        };
        QTest::newRow("100 nF, 1 kHz") << "."
                                       << "100"
                                       << "1"
                                       << "1591.54943091895"
                                       << "";
        QTest::newRow("1 nF, 1000 kHz") << "."
                                        << "1"
                                        << "1000"
                                        << "159.154943091895"
                                        << "";
        QTest::newRow("10 nF, 455 kHz") << "."
                                        << "10"
                                        << "455"
                                        << "34.9791083718451"
                                        << "";
        QTest::newRow("0.1 nF, 1 kHz") << "."
                                       << "0.1"
                                       << "1"
                                       << "1591549.43091895"
                                       << "";
        QTest::newRow("negative C") << "."
                                    << "-100"
                                    << "1"
                                    << "-1591.54943091895"
                                    << "";
        QTest::newRow("comma separator") << ","
                                         << "0,1"
                                         << "1"
                                         << "1591549,43091895"
                                         << "";
        QTest::newRow("comma, tiny result") << ","
                                            << "1e12"
                                            << "1e6"
                                            << "1,59154943091895E-13"
                                            << "";
        QTest::newRow("C = 0") << "."
                               << "0"
                               << "1" << unchanged << divZero;
        QTest::newRow("f = 0") << "."
                               << "100"
                               << "0" << unchanged << divZero;
        QTest::newRow("overflow") << "."
                                  << "1e-300"
                                  << "1e-300" << unchanged << "error: Floating point overflow.";
        QTest::newRow("empty C") << "."
                                 << ""
                                 << "1" << unchanged << conversion("");
        QTest::newRow("empty f") << "."
                                 << "1"
                                 << "" << unchanged << conversion("");
        QTest::newRow("blanks") << "."
                                << "   "
                                << "1" << unchanged << conversion("   ");
        QTest::newRow("1,5 under '.'") << "."
                                       << "1,5"
                                       << "1" << unchanged << conversion("1,5");
        QTest::newRow("0.5 under ','") << ","
                                       << "0.5"
                                       << "1" << unchanged << conversion("0.5");
        QTest::newRow("hex") << "."
                             << "0x10"
                             << "1" << unchanged << conversion("0x10");
        QTest::newRow("non-ASCII digits") << "."
                                          << "١٢"
                                          << "1" << unchanged << conversion("١٢");
        QTest::newRow("control character") << "."
                                           << "1\u00012"
                                           << "1" << unchanged << conversion("1\u00012");
        QTest::newRow("nan text") << "."
                                  << "nan"
                                  << "1" << unchanged << conversion("nan");
        QTest::newRow("inf text") << "."
                                  << "1"
                                  << "inf" << unchanged << conversion("inf");
        const QString huge(100000, QLatin1Char('7'));
        QTest::newRow("100,000 characters") << "." << huge << "1" << unchanged << conversion(huge);
    }

    void reactance()
    {
        QFETCH(QString, separator);
        QFETCH(QString, capacitance);
        QFETCH(QString, frequency);
        QFETCH(QString, shown);
        QFETCH(QString, box);
        SetDecimalSeparator(separator.front());
        // Control characters cannot be typed; they arrive by pasting.
        auto *c = Control<QLineEdit>(Form3, QStringLiteral("Edit1"));
        c->setText(capacitance);
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
