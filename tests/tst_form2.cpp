// The equivalent-circuit window, driven as a user drives it: five
// independent calculations, each with its own fields and result label.
#include "TestKit.h"
#include "Unit2.h"

using namespace velorix;
using namespace velorix::test;

namespace {

struct Section {
    const char *button;
    QStringList fields;
    const char *result;
};

const Section kSections[] = {
    {"Button1", {"Edit1"}, "Label7"},
    {"Button2", {"Edit2", "Edit3", "Edit4", "Edit5"}, "Label15"},
    {"Button3", {"Edit6", "Edit7"}, "Label25"},
    {"Button4", {"Edit8", "Edit9", "Edit10"}, "Label29"},
    {"Button5", {"Edit11", "Edit12"}, "Label34"},
};

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void init() { boxes = StartWindowTest(Form2); }

    void cleanup() { boxes.reset(); }

    void calculate_data()
    {
        QTest::addColumn<int>("section"); // 1 to 5, the button's number
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("shown"); // "old" when the label keeps its text
        QTest::addColumn<QString>("box");
        const auto row = [](const char *tag, int section, const QStringList &fields, const QString &shown,
                            const QString &box = QString(), const char *separator = ".") {
            QTest::newRow(tag) << section << QString::fromLatin1(separator) << fields << shown << box;
        };

        // Emitter junction resistance, 25.6 mV / Ie, rounded.
        row("re, Ie 1", 1, {"1"}, "26");
        row("re, Ie 0.5", 1, {"0.5"}, "51");
        row("re, Ie 3", 1, {"3"}, "9");
        row("re 2.5 rounds to even", 1, {"10.24"}, "2");
        row("re 12.5 rounds to even", 1, {"2.048"}, "12");
        row("re, comma", 1, {"10,24"}, "2", QString(), ",");
        row("re, Ie 0", 1, {"0"}, "old", kDivZero);
        row("re beyond 64 bits", 1, {"1e-18"}, "old", kInvalid);
        // re is stored before it is rounded: 2.56E308 overflows there;
        // unstored, the rounding would report the invalid operation instead.
        row("re beyond double", 1, {"1e-307"}, "old", kOverflow);
        row("re, Ie empty", 1, {""}, "old", "error: '' is not a valid floating point value.");

        // Collector junction resistance from two points of the characteristic.
        row("rk", 2, {"5", "10", "1", "1.05"}, "100000");
        row("rk, voltages swapped", 2, {"10", "5", "1", "1.05"}, "-100000");
        // rk lies just above the tie 10437.5 once stored; unstored, 10437.
        row("rk near a tie", 2, {"2.3", "19", "2", "3.6"}, "10438");
        row("rk, comma", 2, {"5", "10", "1", "1,05"}, "100000", QString(), ",");
        row("rk, equal currents", 2, {"5", "10", "1", "1"}, "old", kDivZero);
        row("rk, equal points", 2, {"5", "5", "1", "1"}, "old", kInvalid);
        row("rk, last field bad", 2, {"5", "10", "1", "1.05 mA"}, "old",
            "error: '1.05 mA' is not a valid floating point value.");

        // Emitter diffusion capacitance, 1 / (2 pi fT re), not rounded.
        row("Ce, 26 Ohm, 100 MHz", 3, {"26", "100"}, "61.213439650729");
        row("Ce, 13 Ohm, 300 MHz", 3, {"13", "300"}, "40.8089597671527");
        row("Ce, comma", 3, {"2,5", "100"}, "636,619772367581", QString(), ",");
        row("Ce, fT 0", 3, {"26", "0"}, "old", kDivZero);
        row("Ce, re 0", 3, {"0", "100"}, "old", kDivZero);
        row("Ce beyond the double range", 3, {"1e-300", "1e-300"}, "old", kOverflow);

        // Collector capacitance at the circuit's voltage, Ck0 sqrt(U0 / U).
        row("Ck, 5 V, 12 pF, 3 V", 4, {"5", "12", "3"}, "15.4919333848297");
        row("Ck, same voltage", 4, {"5", "10", "5"}, "10");
        row("Ck, 1 V, 20 pF, 9 V", 4, {"1", "20", "9"}, "6.66666666666667");
        row("Ck, 6 V, 15 pF, 1.5 V", 4, {"6", "15", "1.5"}, "30");
        // Ck is stored before it is shown: unstored, 8.24335739710893.
        row("Ck, 1.6 V, 19 pF, 8.5 V", 4, {"1.6", "19", "8.5"}, "8.24335739710894");
        row("Ck, comma", 4, {"6", "15", "1,5"}, "30", QString(), ",");
        row("Ck, U 0", 4, {"5", "12", "0"}, "old", kDivZero);
        row("Ck, U0 and U 0", 4, {"0", "12", "0"}, "old", kInvalid);
        row("Ck, opposite voltages", 4, {"-5", "12", "3"}, "old", kInvalid);

        // Base spreading resistance, tau / Ck, rounded.
        row("rb, 100 ps, 2 pF", 5, {"100", "2"}, "50");
        row("rb, 25 ps, 3 pF", 5, {"25", "3"}, "8");
        row("rb 2.5 rounds to even", 5, {"5", "2"}, "2");
        row("rb 3.5 rounds to even", 5, {"7", "2"}, "4");
        // 24.7 / 3.8 stored is 6.5 exactly and rounds to even; unstored, the
        // extended quotient lies above 6.5 and shows 7.
        row("rb, stored tie", 5, {"24.7", "3.8"}, "6");
        row("rb, negative tie", 5, {"-5", "2"}, "-2");
        row("rb, Ck 0", 5, {"100", "0"}, "old", kDivZero);
        row("rb, tau and Ck 0", 5, {"0", "0"}, "old", kInvalid);
        row("rb beyond 64 bits", 5, {"1e19", "1"}, "old", kInvalid);
        row("rb, Ck under '.' with comma", 5, {"100", "2,5"}, "old",
            "error: '2,5' is not a valid floating point value.");
    }

    // Only the pressed section's fields hold text: no handler reads another
    // section's fields, and only its own label changes.
    void calculate()
    {
        QFETCH(int, section);
        QFETCH(QString, separator);
        QFETCH(QStringList, fields);
        QFETCH(QString, shown);
        QFETCH(QString, box);
        const Section &s = kSections[section - 1];
        for (QLineEdit *field : Form2->findChildren<QLineEdit *>())
            field->clear();
        for (const Section &other : kSections)
            Control<QLabel>(Form2, QLatin1String(other.result))->setText(QStringLiteral("old"));
        SetDecimalSeparator(separator.front());
        for (qsizetype i = 0; i < fields.size(); ++i)
            Type(Form2, s.fields[i], fields[i]);
        Click(Form2, QLatin1String(s.button));
        QCOMPARE(boxes->take(), box.isEmpty() ? QStringList() : QStringList{box});
        for (const Section &other : kSections)
            QCOMPARE(Text(Form2, QLatin1String(other.result)), &other == &s ? shown : QStringLiteral("old"));
    }

    // rк = 100000 is wider than the blanks between "rк =" and "Ом": the
    // number is drawn over the unit, so the window shows the label's own
    // pixels there and nothing of the caption beneath.
    void longResultReadsOverTheCaption()
    {
        Fill(Form2, {"", "5", "10", "1", "1.05"});
        Click(Form2, QStringLiteral("Button2"));
        auto *rk = Control<QLabel>(Form2, QStringLiteral("Label15"));
        QCOMPARE(rk->text(), QStringLiteral("100000"));
        QVERIFY(rk->geometry().intersects(Control<QLabel>(Form2, QStringLiteral("Label14"))->geometry()));
        QCOMPARE(Form2->grab(rk->geometry()).toImage().convertToFormat(QImage::Format_RGB32),
                 rk->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form2), QStringList({"Edit1", "Button1", "Edit2", "Edit3", "Edit4", "Edit5",
                                               "Button2", "Edit6", "Edit7", "Button3", "Edit8", "Edit9",
                                               "Edit10", "Button4", "Edit11", "Edit12", "Button5"}));
    }
};

VELORIX_TEST_MAIN(TestForm2)
#include "tst_form2.moc"
