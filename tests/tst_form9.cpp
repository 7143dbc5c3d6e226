// The decoupling capacitors window, driven as a user drives it.
#include "TestKit.h"
#include "Unit9.h"

using namespace velorix;
using namespace velorix::test;

class TestForm9 : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void init() { boxes = StartWindowTest(Form9); }

    void cleanup() { boxes.reset(); }

    void capacitors_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("fields");  // Edit1 to Edit5: f, re | re, f, h21e
        QTest::addColumn<QStringList>("results"); // Label5, Label7
        QTest::addColumn<QString>("box");
        const QString old = QStringLiteral("old");
        // Each button writes only its own label; the other keeps "old".
        const struct {
            const char *tag, *separator, *button;
            QStringList fields;
            const char *shown, *box;
        } rows[] = {
            {"Ce 1000 kHz", ".", "Button1", {"1000", "26", "", "", ""}, "61.213439650729", ""},
            {"Ce 465 kHz", ".", "Button1", {"465", "13", "", "", ""}, "263.283611400985", ""},
            {"Ce 10.7 MHz", ".", "Button1", {"10700", "26", "", "", ""}, "5.7208822103485", ""},
            {"Ce 0.5 kHz", ".", "Button1", {"0.5", "10", "", "", ""}, "318309.886183791", ""},
            {"Ce negative f", ".", "Button1", {"-1000", "26", "", "", ""}, "-61.213439650729", ""},
            {"Ce comma", ",", "Button1", {"0,5", "10", "", "", ""}, "318309,886183791", ""},
            {"Ce f = 0", ".", "Button1", {"0", "26", "", "", ""}, "", "Floating point division by zero."},
            {"Ce re = 0", ".", "Button1", {"1000", "0", "", "", ""}, "", "Floating point division by zero."},
            {"Ce overflow", ".", "Button1", {"1e-310", "1", "", "", ""}, "", "Floating point overflow."},
            {"Ce empty re",
             ".",
             "Button1",
             {"1000", "", "", "", ""},
             "",
             "'' is not a valid floating point value."},
            {"Cb 1000 kHz", ".", "Button2", {"", "", "26", "1000", "50"}, "1.22426879301458", ""},
            {"Cb 465 kHz", ".", "Button2", {"", "", "13", "465", "100"}, "2.63283611400985", ""},
            {"Cb 10.7 MHz", ".", "Button2", {"", "", "26", "10700", "80"}, "0.0715110276293563", ""},
            // Cb is stored before it is shown: unstored, 0.00755721477169494.
            {"Cb 27 MHz", ".", "Button2", {"", "", "26", "27000", "300"}, "0.00755721477169493", ""},
            {"Cb comma", ",", "Button2", {"", "", "26", "10700", "80"}, "0,0715110276293563", ""},
            {"Cb h21e = 0",
             ".",
             "Button2",
             {"", "", "26", "1000", "0"},
             "",
             "Floating point division by zero."},
            {"Cb re = 0",
             ".",
             "Button2",
             {"", "", "0", "1000", "50"},
             "",
             "Floating point division by zero."},
            // The frequency field is read before the resistance above it.
            {"Cb f read first",
             ".",
             "Button2",
             {"", "", "r", "f", "50"},
             "",
             "'f' is not a valid floating point value."},
            {"Cb 0.5 under ','",
             ",",
             "Button2",
             {"", "", "26", "1000", "0.5"},
             "",
             "'0.5' is not a valid floating point value."},
        };
        for (const auto &r : rows) {
            const bool first = QLatin1String(r.button) == QLatin1String("Button1");
            const QString shown = r.shown[0] ? QString::fromUtf8(r.shown) : old;
            QTest::newRow(r.tag) << QString::fromUtf8(r.separator) << QString::fromUtf8(r.button) << r.fields
                                 << (first ? QStringList{shown, old} : QStringList{old, shown})
                                 << (r.box[0] ? QStringLiteral("error: ") + QString::fromUtf8(r.box)
                                              : QString());
        }
    }

    void capacitors()
    {
        QFETCH(QString, separator);
        QFETCH(QString, button);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, results);
        QFETCH(QString, box);
        SetDecimalSeparator(separator.front());
        for (const char *label : {"Label5", "Label7"})
            Control<QLabel>(Form9, QLatin1String(label))->setText(QStringLiteral("old"));
        Fill(Form9, fields);
        Click(Form9, button);
        QCOMPARE(boxes->take(), box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(QStringList({Text(Form9, QStringLiteral("Label5")), Text(Form9, QStringLiteral("Label7"))}),
                 results);
    }

    // Only the first section's resistance field is limited to two characters.
    void resistanceFields()
    {
        Type(Form9, QStringLiteral("Edit2"), QStringLiteral("2.5"));
        Type(Form9, QStringLiteral("Edit3"), QStringLiteral("2.5"));
        QCOMPARE(Control<QLineEdit>(Form9, QStringLiteral("Edit2"))->text(), QStringLiteral("2."));
        QCOMPARE(Control<QLineEdit>(Form9, QStringLiteral("Edit3"))->text(), QStringLiteral("2.5"));
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form9),
                 QStringList({"Edit1", "Edit2", "Button1", "Edit3", "Button2", "Edit4", "Edit5"}));
    }
};

VELORIX_TEST_MAIN(TestForm9)
#include "tst_form9.moc"
