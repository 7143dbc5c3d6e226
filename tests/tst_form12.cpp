// The coupling capacitor of the piezoelectric section, driven as a user
// drives it.
#include "TestKit.h"
#include "Unit12.h"

using namespace velorix;
using namespace velorix::test;

class TestForm12 : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void init()
    {
        boxes = StartWindowTest(Form12);
        Control<QLabel>(Form12, QStringLiteral("Label17"))->setText(QStringLiteral("old"));
    }

    void cleanup() { boxes.reset(); }

    void coupling_data()
    {
        AddSeparatorColumn();
        QTest::addColumn<QStringList>("fields"); // Rф, ρк, а, Cк
        QTest::addColumn<QString>("shown");      // "old" where unchanged
        QTest::addColumn<QString>("box");
        NewRow("1000, 10000, 10, 100") << QStringList{"1000", "10000", "10", "100"} << "10" << QString();
        NewRow("510, 5000, 7, 470") << QStringList{"510", "5000", "7", "470"} << "56.7347210394884"
                                    << QString();
        NewRow("1500, 20000, 300, 56")
            << QStringList{"1500", "20000", "300", "56"} << "0.885437744847146" << QString();
        NewRow("comma separator", QLatin1Char(','))
            << QStringList{"1500", "2e4", "3e2", "56,0"} << "0,885437744847146" << QString();
        NewRow("Rф = 0") << QStringList{"0", "5000", "7", "470"} << "0" << QString();
        NewRow("negative Cк") << QStringList{"1000", "10000", "10", "-100"} << "-10" << QString();
        NewRow("а = 0") << QStringList{"1000", "10000", "0", "100"} << "old" << kDivZero;
        NewRow("ρк = 0") << QStringList{"1000", "0", "10", "100"} << "old" << kDivZero;
        NewRow("Rф = 0, а = 0") << QStringList{"0", "10000", "0", "100"} << "old" << kInvalid;
        NewRow("negative ratio") << QStringList{"-1000", "10000", "10", "100"} << "old" << kInvalid;
        // а ρк is stored as a double, and beyond the largest double it overflows.
        NewRow("а ρк beyond a double") << QStringList{"1000", "1e306", "999", "100"} << "old"
                                       << QStringLiteral("error: Floating point overflow.");
        // So is Ссв: sqrt(1e308 / 1e-320) = 1e314 does not fit a double.
        NewRow("Ссв beyond a double") << QStringList{"1e308", "1e-320", "1", "1"} << "old"
                                      << QStringLiteral("error: Floating point overflow.");
        // Every field is read before any arithmetic, in order.
        NewRow("bad Rф and Cк") << QStringList{"R", "0", "0", "C"} << "old"
                                << NotANumber(QStringLiteral("R"));
        NewRow("bad а") << QStringList{"1000", "10000", "7a", "100"} << "old"
                        << NotANumber(QStringLiteral("7a"));
        NewRow("empty Cк") << QStringList{"1000", "0", "0", ""} << "old" << NotANumber(QStringLiteral(""));
    }

    void coupling()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, shown);
        QFETCH(QString, box);
        UseRowSeparator();
        Fill(Form12, fields);
        Click(Form12, QStringLiteral("Button1"));
        QCOMPARE(Text(Form12, QStringLiteral("Label17")), shown);
        QCOMPARE(boxes->take(), box.isEmpty() ? QStringList() : QStringList{box});
    }

    void coefficientTakesThreeCharacters()
    {
        Type(Form12, QStringLiteral("Edit3"), QStringLiteral("1000"));
        QCOMPARE(Control<QLineEdit>(Form12, QStringLiteral("Edit3"))->text(), QStringLiteral("100"));
    }

    void tabOrder()
    {
        QCOMPARE(TabOrder(Form12), QStringList({"Edit1", "Edit2", "Edit3", "Edit4", "Button1"}));
    }
};

VELORIX_TEST_MAIN(TestForm12)
#include "tst_form12.moc"
