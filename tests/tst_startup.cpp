// Start-up as main() runs it: the main window shows first, and the
// calculators, with their pictures, exist before it can take any input.
#include "FloatControl.h"
#include "Forms.h"
#include "Unit11.h"
#include "Unit3.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace velorix;

class TestStartup : public QObject {
    Q_OBJECT

    static bool NoneCreated()
    {
        for (TCalcForm *form : Calculators())
            if (form)
                return false;
        return true;
    }

    static void VerifyAllCreatedHidden()
    {
        for (TCalcForm *form : Calculators()) {
            QVERIFY(form);
            QVERIFY(!form->isVisible());
        }
        QVERIFY(!Form11->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().isNull());
    }

private slots:
    void calculatorsFollowTheFirstPaint()
    {
        // Whatever control word the process started with, the calculations
        // get theirs (on x87 the full extended precision after 24-bit, as
        // some graphics drivers leave it).
        SetFloatControlWord(kForeignControlWord);
        StartProgram();
        QCOMPARE(FloatControlWord(), kExtendedControlWord);
        QVERIFY(Form1->isVisible());
        QVERIFY(NoneCreated());
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        QTRY_VERIFY(!NoneCreated());
        VerifyAllCreatedHidden();
        DestroyForms();
    }

    // Input that comes before the first paint (a menu key, say) creates the
    // calculators before it is handled, so a menu command finds its window.
    void inputBeforeThePaintCreatesThemFirst()
    {
        StartProgram();
        QVERIFY(NoneCreated());
        QTest::keyClick(Form1, Qt::Key_Alt);
        VerifyAllCreatedHidden();
        Form1->findChild<QAction *>(QStringLiteral("N2"))->trigger();
        QVERIFY(Form3->isVisible());
        DestroyForms();
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
