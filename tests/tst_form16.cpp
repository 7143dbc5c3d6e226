// The compound-transistor emitter follower window, driven as a user drives
// it, for both couplings of the two transistors.
#include "TestKit.h"
#include "Unit16.h"

using namespace velorix;
using namespace velorix::test;

namespace {

const QStringList kResults = {"Label14", "Label17", "Label19"};

// Field texts in Edit order: rb1, re1, beta1, beta2, Rl, rb2, re2, Rs.
QStringList Fields(const QString &rb1, const QString &re1, const QString &rb2, const QString &re2,
                   const QString &beta1, const QString &beta2, const QString &Rl, const QString &Rs)
{
    return {rb1, re1, beta1, beta2, Rl, rb2, re2, Rs};
}

QStringList Results() { return Texts(Form16, kResults); }

} // namespace

class TestForm16 : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void init() { boxes = StartWindowTest(Form16); }

    void cleanup() { boxes.reset(); }

    void follower_data()
    {
        AddSeparatorColumn();
        QTest::addColumn<QString>("button"); // Button1: Fig. 1a, Button2: Fig. 1b
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("results"); // Rin, Rout, K; "old" where a label keeps its text
        QTest::addColumn<QString>("box");
        const QString old = QStringLiteral("old");
        const QStringList first = Fields("200", "25", "100", "2.5", "50", "40", "100", "1000");
        const QStringList second = Fields("500", "26", "100", "1", "100", "50", "1000", "600");

        // Rin of Fig. 1a is 211902.5 and rounds to the even neighbour.
        NewRow("1a") << "Button1" << first << QStringList{"211902", "6", "0.946571451205849"} << QString();
        NewRow("1b") << "Button2" << first << QStringList{"201575", "1", "0.992821511132741"} << QString();
        NewRow("1a, second") << "Button1" << second << QStringList{"5019377", "4", "0.996445026160793"}
                             << QString();
        NewRow("1b, second") << "Button2" << second << QStringList{"5004126", "1", "0.999381373035226"}
                             << QString();
        NewRow("1b ignores T2's resistances")
            << "Button2" << Fields("200", "25", "7", "-3", "50", "40", "100", "1000")
            << QStringList{"201575", "1", "0.992821511132741"} << QString();
        NewRow("1a, comma", QLatin1Char(','))
            << "Button1" << Fields("200", "25", "100", "2,5", "50", "40", "100", "1000")
            << QStringList{"211902", "6", "0,946571451205849"} << QString();

        // Rows that pin the stores of r1, q1, r2, q2, Rin0, Rout0, Rout and K.
        // Unstored, K shows 0.859586043343304 (q1, r2, q2, Rout0 or K),
        // Rin 61175 (Rin0), K 0.5793305390996 (q1), K 0.98723861432839 (q1
        // or Rout0 of Fig. 1b), K 0.972840689202086 (r1 of Fig. 1b).
        NewRow("1a, 6.03 Ohm") << "Button1" << Fields("840", "8.5", "681", "6.03", "210", "120", "72", "640")
                               << QStringList{"2114748", "12", "0.859586043343303"} << QString();
        NewRow("1a, beta2 36.3") << "Button1" << Fields("56.1", "7", "90", "8", "70", "36.3", "13", "2000")
                                 << QStringList{"61176", "11", "0.550340966856039"} << QString();
        NewRow("1a, beta1 176") << "Button1" << Fields("180", "1", "160", "5.3", "176", "22", "17", "400")
                                << QStringList{"116094", "12", "0.579330539099601"} << QString();
        NewRow("1b, 11 Ohm load") << "Button2" << Fields("700", "2", "890", "7.1", "136", "50", "11", "760")
                                  << QStringList{"75785", "0", "0.987238614328389"} << QString();
        NewRow("1b, re1 5.4") << "Button2" << Fields("500", "5.4", "870", "6", "85.7", "40", "10", "61")
                              << QStringList{"35258", "0", "0.972840689202085"} << QString();
        // Failures: what was written before the failing step stays.
        NewRow("1a, beta1 -1") << "Button1" << Fields("200", "25", "100", "2.5", "-1", "40", "100", "1000")
                               << QStringList(3, old) << kDivZero;
        NewRow("1b, beta1 -1, r1 0") << "Button2"
                                     << Fields("0", "25", "100", "2.5", "-1", "40", "100", "1000")
                                     << QStringList(3, old) << kInvalid;
        NewRow("1a, beta2 -1") << "Button1" << Fields("200", "25", "100", "2.5", "50", "-1", "100", "1000")
                               << QStringList(3, old) << kDivZero;
        NewRow("1b, beta2 0") << "Button2" << Fields("200", "25", "100", "2.5", "50", "0", "100", "1000")
                              << QStringList(3, old) << kDivZero;
        // beta1 beta2 = -1 exactly in binary.
        NewRow("1a, beta1 beta2 = -1")
            << "Button1" << Fields("200", "25", "100", "2.5", "0.5", "-2", "100", "1000")
            << QStringList{"384", old, old} << kDivZero;
        NewRow("1b, beta1 beta2 = -1, Rs 0")
            << "Button2" << Fields("200", "25", "100", "2.5", "0.5", "-2", "100", "0")
            << QStringList{"238", old, old} << kInvalid;
        // r1 = 3E308 and Rout = 2E308 overflow at their stores; unstored, the
        // handler would go on and fail at a rounding instead.
        NewRow("1a, r1 beyond double")
            << "Button1" << Fields("1e308", "1e308", "-1e308", "0", "1", "1", "1", "1") << QStringList(3, old)
            << kOverflow;
        NewRow("1a, Rout beyond double")
            << "Button1" << Fields("100", "25", "100", "25", "-0.5", "1", "1000", "1e308")
            << QStringList{"688", old, old} << kOverflow;
        // 0.1 times -10 misses -1 by 2^-54: Rout near -1.8E19 cannot be rounded.
        NewRow("1a, beta1 beta2 near -1")
            << "Button1" << Fields("200", "25", "100", "2.5", "0.1", "-10", "100", "1000")
            << QStringList{"313", old, old} << kInvalid;
        NewRow("1b, beta1 beta2 near -1")
            << "Button2" << Fields("200", "25", "100", "2.5", "0.1", "-10", "100", "1000")
            << QStringList{"228", old, old} << kInvalid;
        // With a 1 Ohm source the same near miss gives Rout = -2^54 + Rout0,
        // which still rounds: nothing treats a near -1 as -1.
        NewRow("1b, beta1 beta2 near -1, Rs 1")
            << "Button2" << Fields("200", "25", "100", "2.5", "0.1", "-10", "100", "1")
            << QStringList{"228", "-1.8014398509482E16", "1.26074498567335"} << QString();
        // Rin0 = 11802.5 rounds to even.
        NewRow("1a, Rl 0") << "Button1" << Fields("200", "25", "100", "2.5", "50", "40", "0", "1000")
                           << QStringList{"11802", "6", old} << kDivZero;
        NewRow("1a, Rl 0, Rout0 0") << "Button1" << Fields("0", "0", "0", "0", "50", "40", "0", "1000")
                                    << QStringList{"0", "0", old} << kInvalid;
        NewRow("Rin beyond 64 bits") << "Button1"
                                     << Fields("200", "25", "100", "2.5", "50", "40", "1e16", "1000")
                                     << QStringList(3, old) << kInvalid;
        NewRow("Rin beyond the double range")
            << "Button2" << Fields("200", "25", "100", "2.5", "50", "40", "1e308", "1000")
            << QStringList(3, old) << QStringLiteral("error: Floating point overflow.");
        NewRow("1b still reads rb2") << "Button2"
                                     << Fields("200", "25", "x", "2.5", "50", "40", "100", "1000")
                                     << QStringList(3, old)
                                     << QStringLiteral("error: 'x' is not a valid floating point value.");
        // T2's resistances are read before the two coefficients above them.
        NewRow("rb2 read before beta1")
            << "Button1" << Fields("200", "25", "x", "2.5", "y", "40", "100", "1000") << QStringList(3, old)
            << QStringLiteral("error: 'x' is not a valid floating point value.");
        NewRow("Rs empty") << "Button1" << Fields("200", "25", "100", "2.5", "50", "40", "100", "")
                           << QStringList(3, old)
                           << QStringLiteral("error: '' is not a valid floating point value.");
    }

    void follower()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, results);
        QFETCH(QString, box);
        UseRowSeparator();
        for (const QString &label : kResults)
            Control<QLabel>(Form16, label)->setText(QStringLiteral("old"));
        Fill(Form16, fields);
        Click(Form16, button);
        QCOMPARE(boxes->take(), box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(Results(), results);
    }

    // The two coefficient labels show the Greek letter itself, bold, in the
    // size of the window's other labels.
    void betaLabelsDrawTheGreekLetter_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label7") << "Label7" << QStringLiteral("β1 =");
        QTest::newRow("Label9") << "Label9" << QStringLiteral("β2 =");
    }

    void betaLabelsDrawTheGreekLetter()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        const QLabel *l = Control<QLabel>(Form16, label);
        QCOMPARE(l->text(), text);
        QVERIFY(l->font().bold());
        QCOMPARE(l->font().pixelSize(), Control<QLabel>(Form16, "Label6")->font().pixelSize());
        QCOMPARE(MissingGlyphs(l), QString());
        QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(text));
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form16), QStringList({"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Button1",
                                                "Edit6", "Edit7", "Button2", "Edit8"}));
    }
};

VELORIX_TEST_MAIN(TestForm16)
#include "tst_form16.moc"
