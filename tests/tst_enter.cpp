// Return or keypad Enter in a field of any calculator window gives what a
// click on the button that reads the field gives: the same results, the same
// boxes; the field keeps its text and the focus.  On a focused button they
// click it, as Space does.
#include "Examples.h"
#include "TestKit.h"

#include <QApplication>
#include <QPushButton>

#include <map>

using namespace velorix;
using namespace velorix::test;

namespace {

// Labels that a handler rewrites though the definition gives them a text:
// the verdict of the filter design's first step.
const QMap<QString, QStringList> kRewrittenCaptions = {{"Form11", {"Label7"}}};

// Inputs with which every button of the window computes, and the presses
// that give the later steps their remembered values: the setups of its
// worked examples, one after another.
QStringList SetupOf(const QString &window)
{
    QStringList setup;
    for (const WorkedExample &e : WorkedExamples())
        if (window == QLatin1String(e.window))
            setup += e.setup;
    return setup;
}

} // namespace

class TestEnter : public QObject {
    Q_OBJECT

    // The result labels of each window: its empty labels before any handler ran.
    std::map<QString, QStringList> results_;

private slots:
    void initTestCase()
    {
        for (TCalcForm *form : Calculators())
            results_[form->objectName()] = EmptyLabels(form) + kRewrittenCaptions.value(form->objectName());
    }

    // Every field of every window, each with the button it runs.
    void enterRunsTheFieldsButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("button");
        // Each field with the button that reads it (its table row says
        // which), the first in focus order where two do.
        QStringList covered;
        for (const CalculatorEntry &c : CalculatorTable()) {
            const QString window = c.form()->objectName();
            const QStringList tabOrder = TabOrder(c.form());
            const auto rank = [&](const QString &button) {
                return tabOrder.contains(button) ? tabOrder.indexOf(button) : tabOrder.size();
            };
            std::map<QString, QString> buttonOf;
            for (const auto &[button, fields] : FieldsRead(c)) {
                for (const QString &field : fields) {
                    QString &first = buttonOf[field];
                    if (first.isEmpty() || rank(button) < rank(first))
                        first = button;
                }
            }
            for (const auto &[field, button] : buttonOf) {
                QTest::addRow("%s %s", qPrintable(window), qPrintable(field)) << window << field << button;
                covered << window + QLatin1Char(' ') + field;
            }
        }
        // The table leaves no field of any window out.
        QStringList all;
        for (TCalcForm *form : Calculators())
            for (const QString &field : Fields(form))
                all << form->objectName() + QLatin1Char(' ') + field;
        covered.sort();
        all.sort();
        QCOMPARE(covered, all);
        QCOMPARE(all.size(), 86);
    }

    void enterRunsTheFieldsButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, button);
        TCalcForm *form = Calculator(window);
        QVERIFY(form);
        auto boxes = StartWindowTest(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        RunSteps(form, SetupOf(window), {}, *boxes);
        boxes->take();

        const QStringList results = results_[window];
        // Result labels and boxes of one action, from labels all showing "?".
        const auto outcome = [&](const std::function<void()> &act) {
            SetTexts(form, results, QStringLiteral("?"));
            act();
            return Texts(form, results) + boxes->take();
        };
        auto *edit = Control<QLineEdit>(form, field);
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            return [=] {
                edit->setFocus(Qt::OtherFocusReason);
                QTest::keyClick(edit, key, modifiers);
            };
        };
        const auto click = [&] { Click(form, button); };

        // Inputs that compute, then the field holding no number: the error
        // box shows that the handler run is one that reads this field.
        for (const QString &text : {edit->text(), QStringLiteral("x")}) {
            Type(form, field, text);
            const QStringList byReturn = outcome(press(Qt::Key_Return, Qt::NoModifier));
            QCOMPARE(edit->text(), text);
            QCOMPARE(QApplication::focusWidget(), edit);
            const QStringList byEnter = outcome(press(Qt::Key_Enter, Qt::KeypadModifier));
            QCOMPARE(edit->text(), text);
            QCOMPARE(QApplication::focusWidget(), edit);
            const QStringList byClick = outcome(click);
            QCOMPARE(byReturn, byClick);
            QCOMPARE(byEnter, byClick);
            if (text == QLatin1String("x"))
                QCOMPARE(byClick.mid(results.size()), QStringList{NotANumber(text)});
            else
                QVERIFY2(byClick.mid(results.size()).isEmpty() &&
                             byClick.count(QStringLiteral("?")) < results.size(),
                         qPrintable(byClick.join(QLatin1Char('|'))));
        }
    }

    // Every button of every window.
    void returnOnFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        for (TCalcForm *form : Calculators()) {
            for (const QPushButton *button : form->findChildren<QPushButton *>())
                QTest::addRow("%s %s", qPrintable(form->objectName()), qPrintable(button->objectName()))
                    << form->objectName() << button->objectName();
        }
    }

    void returnOnFocusedButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        TCalcForm *form = Calculator(window);
        auto boxes = StartWindowTest(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        RunSteps(form, SetupOf(window), {}, *boxes);
        boxes->take();
        const QStringList results = results_[window];
        auto *pushButton = Control<QAbstractButton>(form, button);
        const auto outcome = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            SetTexts(form, results, QStringLiteral("?"));
            pushButton->setFocus(Qt::TabFocusReason);
            if (key == Qt::Key_unknown)
                Click(form, button);
            else
                QTest::keyClick(pushButton, key, modifiers);
            return Texts(form, results) + boxes->take();
        };
        const QStringList byClick = outcome(Qt::Key_unknown, Qt::NoModifier);
        QVERIFY(byClick.count(QStringLiteral("?")) < results.size());
        QCOMPARE(outcome(Qt::Key_Return, Qt::NoModifier), byClick);
        QCOMPARE(outcome(Qt::Key_Enter, Qt::KeypadModifier), byClick);
        QCOMPARE(outcome(Qt::Key_Space, Qt::NoModifier), byClick);
        // With a modifier Return is not a click.
        QCOMPARE(outcome(Qt::Key_Return, Qt::ShiftModifier).count(QStringLiteral("?")), results.size());
    }
};

VELORIX_TEST_MAIN(TestEnter)
#include "tst_enter.moc"
