// The stage analysis window, driven as a user drives it: the input
// resistance and the voltage gain, which share the beta field.
#include "TestKit.h"
#include "Unit15.h"

using namespace velorix;
using namespace velorix::test;

class TestForm15 : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void init() { boxes = StartWindowTest(Form15); }

    void cleanup() { boxes.reset(); }

    void analyse_data()
    {
        AddSeparatorColumn();
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("fields");  // Edit1 to Edit8
        QTest::addColumn<QStringList>("results"); // Label10, Label20
        QTest::addColumn<QString>("box");
        // Each row fills only the fields its button reads: rb, re, Re, beta
        // for the input resistance; beta and Rk, Rin, Rs, Rl for the gain.
        const auto input = [](const char *tag, const QStringList &rbReReBeta, const QString &shown,
                              const QString &box = QString(), QChar separator = QLatin1Char('.')) {
            NewRow(tag, separator) << "Button1" << (rbReReBeta + QStringList(4, QString()))
                                   << QStringList{shown, "old"} << box;
        };
        const auto gain = [](const char *tag, const QStringList &rkRinRsRl, const QString &beta,
                             const QString &shown, const QString &box = QString(),
                             QChar separator = QLatin1Char('.')) {
            NewRow(tag, separator) << "Button2" << (QStringList{"", "", "", beta} + rkRinRsRl)
                                   << QStringList{"old", shown} << box;
        };

        input("Rin without Re", {"100", "26", "0", "100"}, "2726");
        input("Rin with Re", {"150", "25", "470", "80"}, "40245");
        input("Rin, comma", {"100", "25,5", "0", "100"}, "2675,5", {}, QLatin1Char(','));
        input("Rin beyond the double range", {"1e308", "1e308", "0", "1"}, "old",
              "error: Floating point overflow.");
        input("Rin, beta empty", {"100", "26", "0", ""}, "old",
              "error: '' is not a valid floating point value.");

        gain("Ku", {"4700", "2726", "600", "10000"}, "100", "-96.1298530235907");
        // The collector load Rk Rн / (Rk + Rн) and Ku are stored: with either
        // unstored Ku shows -51.6862170087977.
        gain("Ku, 1.5 kOhm into 4.7 kOhm", {"1500", "3000", "300", "4700"}, "150", "-51.6862170087976");
        gain("Ku, Rs 0, Rl = Rk", {"4700", "2726", "0", "4700"}, "100", "-86.2068965517241");
        gain("Ku, comma", {"4700", "2726", "600", "10000"}, "100,0", "-96,1298530235907", {},
             QLatin1Char(','));
        gain("Ku, beta 0", {"4700", "2726", "600", "10000"}, "0", "0");
        gain("Ku, Rk 0", {"0", "2726", "600", "10000"}, "100", "0");
        gain("Ku, Rk + Rl = 0", {"100", "2726", "600", "-100"}, "100", "old", kDivZero);
        gain("Ku, Rk and Rl 0", {"0", "2726", "600", "0"}, "100", "old", kInvalid);
        gain("Ku, Rs + Rin = 0", {"4700", "0", "0", "10000"}, "100", "old", kDivZero);
        gain("Ku, Rs + Rin = 0, beta 0", {"4700", "0", "0", "10000"}, "0", "old", kInvalid);
        // beta is read after the four fields of the gain section.
        gain("Ku, beta bad", {"4700", "2726", "600", "x"}, "y", "old",
             "error: 'x' is not a valid floating point value.");
        gain("Ku, beta bad after the others", {"4700", "2726", "600", "10000"}, "1e5000", "old",
             "error: '1e5000' is not a valid floating point value.");
    }

    void analyse()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, results);
        QFETCH(QString, box);
        UseRowSeparator();
        for (const char *label : {"Label10", "Label20"})
            Control<QLabel>(Form15, QLatin1String(label))->setText(QStringLiteral("old"));
        Fill(Form15, fields);
        Click(Form15, button);
        QCOMPARE(boxes->take(), box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(QStringList({Text(Form15, "Label10"), Text(Form15, "Label20")}), results);
    }

    // The gain reads beta afresh: a changed Edit4 changes the next result.
    void gainFollowsBetaField()
    {
        Fill(Form15, {"100", "26", "0", "100", "4700", "2726", "0", "4700"});
        Click(Form15, QStringLiteral("Button1"));
        Click(Form15, QStringLiteral("Button2"));
        QCOMPARE(Text(Form15, "Label20"), QStringLiteral("-86.2068965517241"));
        Type(Form15, QStringLiteral("Edit4"), QStringLiteral("50"));
        Click(Form15, QStringLiteral("Button2"));
        QCOMPARE(Text(Form15, "Label20"), QStringLiteral("-43.1034482758621"));
        QCOMPARE(Text(Form15, "Label10"), QStringLiteral("2726"));
        QCOMPARE(boxes->take(), QStringList());
    }

    // The gain label starts 121 px from the right edge; a 15-digit gain is
    // wider than that and must not lose its last digits.
    void longResultShowsWhole()
    {
        Fill(Form15, {"", "", "", "100", "4700", "2726", "600", "10000"});
        Click(Form15, QStringLiteral("Button2"));
        const auto *gain = Control<QLabel>(Form15, QStringLiteral("Label20"));
        QCOMPARE(gain->text(), QStringLiteral("-96.1298530235907"));
        QVERIFY(gain->fontMetrics().horizontalAdvance(gain->text()) <= gain->width());
        QVERIFY(Form15->rect().contains(gain->geometry()));
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form15), QStringList({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5",
                                                "Edit6", "Edit7", "Edit8", "Button2"}));
    }
};

VELORIX_TEST_MAIN(TestForm15)
#include "tst_form15.moc"
