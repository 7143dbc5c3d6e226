// The impedance transformation window, driven as a user drives it.
#include "TestKit.h"
#include "Unit10.h"

using namespace velorix;
using namespace velorix::test;

class TestForm10 : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void init()
    {
        boxes = StartWindowTest(Form10);
        for (const char *label : {"Label6", "Label9"})
            Control<QLabel>(Form10, QLatin1String(label))->setText(QStringLiteral("previous"));
    }

    void cleanup() { boxes.reset(); }

    void calculation_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("load");    // Edit1 or Edit3
        QTest::addColumn<QString>("other");   // Edit2 (source) or Edit4 (ratio)
        QTest::addColumn<QString>("ratio");   // Label6
        QTest::addColumn<QString>("primary"); // Label9
        QTest::addColumn<QString>("box");
        // "" for a label that keeps its previous text; "1" and "2" stand for
        // the conversion error about the first or second field's text.
        const char *rows[][8] = {
            {"8 Ohm to 800 Ohm", ".", "Button1", "8", "800", "10", "", ""},
            {"50 Ohm to 1 kOhm", ".", "Button1", "50", "1000", "4.47213595499958", "", ""},
            // K is stored before it is shown: unstored it shows 7.30296743340221.
            {"75 Ohm to 4 kOhm", ".", "Button1", "75", "4000", "7.30296743340222", "", ""},
            {"source 0", ".", "Button1", "50", "0", "0", "", ""},
            {"source 0, negative load", ".", "Button1", "-50", "0", "0", "", ""},
            {"both negative", ".", "Button1", "-50", "-1000", "4.47213595499958", "", ""},
            {"comma, ratio", ",", "Button1", "50", "1000", "4,47213595499958", "", ""},
            {"negative quotient", ".", "Button1", "-50", "1000", "", "", "Invalid floating point operation."},
            {"load 0", ".", "Button1", "0", "1000", "", "", "Floating point division by zero."},
            {"load 0, source 0", ".", "Button1", "0", "0", "", "", "Invalid floating point operation."},
            {"quotient beyond double", ".", "Button1", "1e-300", "1e300", "1E300", "", ""},
            {"load not a number", ".", "Button1", "8 Ohm", "x", "", "", "1"},
            {"source empty", ".", "Button1", "8", "", "", "", "2"},
            {"0.5 under ','", ",", "Button1", "0.5", "1", "", "", "1"},

            {"8 Ohm through 10", ".", "Button2", "8", "10", "", "800", ""},
            {"50 Ohm through 4.472", ".", "Button2", "50", "4.47213595499958", "", "1000", ""},
            {"negative ratio", ".", "Button2", "8", "-10", "", "800", ""},
            {"ratio 0", ".", "Button2", "8", "0", "", "0", ""},
            {"comma, primary", ",", "Button2", "8", "0,5", "", "2", ""},
            {"primary overflows", ".", "Button2", "1e300", "1e5", "", "", "Floating point overflow."},
            {"ratio squared in extended", ".", "Button2", "1e-300", "1e300", "", "1E300", ""},
            {"load blanks", ".", "Button2", "  ", "1", "", "", "1"},
            {"ratio 1,5 under '.'", ".", "Button2", "8", "1,5", "", "", "2"},
            {"load read before ratio", ".", "Button2", "8 Ohm", "x", "", "", "1"},
        };
        for (const auto &r : rows) {
            const QString load = QString::fromUtf8(r[3]), other = QString::fromUtf8(r[4]);
            QString box = QString::fromUtf8(r[7]);
            if (box.size() == 1)
                box = QStringLiteral("'%1' is not a valid floating point value.")
                          .arg(box == "1" ? load : other);
            const auto shown = [](const char *text) {
                return text[0] ? QString::fromUtf8(text) : QStringLiteral("previous");
            };
            QTest::newRow(r[0]) << QString::fromUtf8(r[1]) << QString::fromUtf8(r[2]) << load << other
                                << shown(r[5]) << shown(r[6])
                                << (box.isEmpty() ? box : QStringLiteral("error: ") + box);
        }
    }

    void calculation()
    {
        QFETCH(QString, separator);
        QFETCH(QString, button);
        QFETCH(QString, load);
        QFETCH(QString, other);
        QFETCH(QString, ratio);
        QFETCH(QString, primary);
        QFETCH(QString, box);
        SetDecimalSeparator(separator.front());
        // Each button reads only its own two fields: the other pair holds
        // texts that would fail.
        const bool first = button == QLatin1String("Button1");
        Fill(Form10, first ? QStringList{load, other, "x", "x"} : QStringList{"x", "x", load, other});
        Click(Form10, button);
        QCOMPARE(Text(Form10, QStringLiteral("Label6")), ratio);
        QCOMPARE(Text(Form10, QStringLiteral("Label9")), primary);
        QCOMPARE(boxes->take(), box.isEmpty() ? QStringList() : QStringList{box});
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form10), QStringList({"Edit1", "Edit2", "Button1", "Edit3", "Edit4", "Button2"}));
    }
};

VELORIX_TEST_MAIN(TestForm10)
#include "tst_form10.moc"
