// The real warning and error boxes, and how a handler's error reaches them.
#include "FloatControl.h"
#include "TestKit.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

using namespace velorix;

namespace {

struct SeenBox {
    QString title;
    QString text;
    bool hasIcon = false;
    QStringList buttons;
    bool okIsDefault = false;
    int labelMaxWidth = 0;
};

// Inspects the next modal box once it is up, then closes it with a key.
void InspectNextBox(SeenBox &seen, Qt::Key closeKey)
{
    QTimer::singleShot(0, qApp, [&seen, closeKey] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        seen.title = box->windowTitle();
        if (auto *mb = qobject_cast<QMessageBox *>(box)) {
            seen.text = mb->text();
            seen.hasIcon = mb->icon() != QMessageBox::NoIcon;
        } else {
            for (const QLabel *l : box->findChildren<QLabel *>()) {
                if (!l->text().isEmpty()) {
                    seen.text = l->text();
                    seen.labelMaxWidth = l->maximumWidth();
                }
                seen.hasIcon = seen.hasIcon || !l->pixmap().isNull();
            }
        }
        for (const QPushButton *b : box->findChildren<QPushButton *>()) {
            seen.buttons << b->text().remove(QLatin1Char('&'));
            seen.okIsDefault =
                seen.okIsDefault || (b->isDefault() && b->text().contains(QLatin1String("OK")));
        }
        QTest::keyClick(box, closeKey);
    });
}

} // namespace

class TestMessages : public QObject {
    Q_OBJECT

private slots:
    // The boxes are captioned with the application's name, which the shell
    // sets at start-up.
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Velorix")); }

    void warningBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void warningBox()
    {
        QFETCH(int, key);
        SeenBox seen;
        InspectNextBox(seen, Qt::Key(key));
        ShowWarning(QStringLiteral("Rк < 0, увеличьте Ек")); // returns once closed
        QCOMPARE(seen.title, QStringLiteral("Velorix"));
        QCOMPARE(seen.text, QStringLiteral("Rк < 0, увеличьте Ек"));
        QVERIFY(!seen.hasIcon);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
        QVERIFY(seen.okIsDefault);
        QCOMPARE(seen.labelMaxWidth, QGuiApplication::primaryScreen()->availableGeometry().width() / 2);
    }

    void errorBox()
    {
        SeenBox seen;
        InspectNextBox(seen, Qt::Key_Return);
        RunHandler([] { throw CalcError::divisionByZero(); });
        QCOMPARE(seen.title, QStringLiteral("Velorix"));
        QCOMPARE(seen.text, QStringLiteral("Floating point division by zero."));
        QVERIFY(seen.hasIcon);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    }

    void finishErrorText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("finished");
        QTest::newRow("letter") << QStringLiteral("Floating point overflow")
                                << QStringLiteral("Floating point overflow.");
        QTest::newRow("digit") << QStringLiteral("x 5") << QStringLiteral("x 5.");
        QTest::newRow("slash") << QStringLiteral("a/") << QStringLiteral("a/.");
        QTest::newRow("period") << QStringLiteral("done.") << QStringLiteral("done.");
        QTest::newRow("parenthesis") << QStringLiteral("(x)") << QStringLiteral("(x)");
        QTest::newRow("apostrophe") << QStringLiteral("'a'") << QStringLiteral("'a'");
        QTest::newRow("comma") << QStringLiteral("a,") << QStringLiteral("a,");
        QTest::newRow("blank") << QStringLiteral("a ") << QStringLiteral("a ");
        QTest::newRow("cyrillic") << QStringLiteral("ошибка") << QStringLiteral("ошибка.");
        QTest::newRow("empty") << QString() << QString();
    }

    void finishErrorText()
    {
        QFETCH(QString, text);
        QFETCH(QString, finished);
        QCOMPARE(FinishErrorText(text), finished);
    }

    void handlerStopsAtError()
    {
        test::BoxRecorder boxes;
        QStringList steps;
        RunHandler([&steps] {
            steps << QStringLiteral("first");
            const Ext zero = 0;
            steps << FormatNumber(Ext(1) / zero);
            steps << QStringLiteral("never");
        });
        QCOMPARE(steps, QStringList{QStringLiteral("first")});
        QCOMPARE(boxes.take(), QStringList{QStringLiteral("error: Floating point division by zero.")});
        // The next handler starts clean.
        RunHandler([&steps] { steps << FormatNumber(Ext(1) / 4); });
        QCOMPARE(steps.last(), QStringLiteral("0.25"));
        QVERIFY(boxes.take().isEmpty());
    }

    // A handler starts with the extended control word whatever ran before it,
    // and one that fails, here after setting a foreign word (x87: a lowered
    // precision) as foreign code can, leaves it restored.
    void handlerRestoresControlWord()
    {
        test::BoxRecorder boxes;
        SetFloatControlWord(kForeignControlWord);
        std::uint16_t inside = 0;
        RunHandler([&inside] {
            inside = FloatControlWord();
            SetFloatControlWord(kForeignControlWord);
            throw CalcError::overflow();
        });
        QCOMPARE(inside, kExtendedControlWord);
        QCOMPARE(FloatControlWord(), kExtendedControlWord);
        QCOMPARE(boxes.take(), QStringList{QStringLiteral("error: Floating point overflow.")});
    }

    void watchdogCatchesStrayBoxes()
    {
        test::BoxRecorder boxes;
        QMessageBox stray(QMessageBox::Information, QStringLiteral("stray"),
                          QStringLiteral("not through the presenter"));
        stray.exec(); // the watchdog closes it
        QCOMPARE(boxes.takeUnexpected(), QStringList{QStringLiteral("stray")});
    }
};

VELORIX_TEST_MAIN(TestMessages)
#include "tst_messages.moc"
