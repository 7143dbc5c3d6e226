// The English edition, as the program starts it for an English-speaking
// user: no Cyrillic letter in anything a user reads or hears (captions,
// names, menus, copied lines, characteristic windows, boxes), the worked
// examples giving the Russian edition's digits, the number errors as they
// are in every edition, and which edition a user's languages choose.
#include "AccessibleNames.h"
#include "Edition.h"
#include "Examples.h"
#include "Numeric.h"
#include "ShellTest.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QTranslator>

#include <algorithm>

using namespace velorix;
using namespace velorix::test;

namespace {

bool HasCyrillic(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

// Everything a user reads or hears of a window: its title, and of it and
// every control its text, accessible name and description and the texts of
// its actions and their menus; each as "object: text".
QStringList Readable(QWidget *window)
{
    QStringList texts;
    const auto add = [&texts](const QObject *o, const QString &text) {
        if (!text.isEmpty())
            texts << o->objectName() + QStringLiteral(": ") + text;
    };
    add(window, window->windowTitle());
    for (QWidget *w : QList<QWidget *>{window} + window->findChildren<QWidget *>()) {
        add(w, w->accessibleName());
        add(w, w->accessibleDescription());
        add(w, w->toolTip());
        if (const auto *label = qobject_cast<QLabel *>(w))
            add(w, label->text());
        else if (const auto *button = qobject_cast<QAbstractButton *>(w))
            add(w, button->text());
        else if (const auto *field = qobject_cast<QLineEdit *>(w))
            add(w, field->text());
        else if (const auto *menu = qobject_cast<QMenu *>(w))
            add(w, menu->title());
        for (const QAction *a : w->actions())
            add(a, a->text());
    }
    return texts;
}

// The texts among them that hold a Cyrillic letter.
QStringList Cyrillic(const QStringList &texts)
{
    QStringList found;
    std::copy_if(texts.begin(), texts.end(), std::back_inserter(found), HasCyrillic);
    return found;
}

// Triggers a window's command on Ctrl+Shift+C (its results, or a plot's
// data) and gives what it put on the clipboard.
QString CopiedBy(QWidget *window)
{
    QGuiApplication::clipboard()->clear();
    for (QAction *a : window->actions()) {
        if (a->shortcut() == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C))
            a->trigger();
    }
    return QGuiApplication::clipboard()->text();
}

// The names of a window's result labels.
QStringList ResultLabels(QWidget *window)
{
    QStringList names;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (IsResultLabel(label))
            names << label->objectName();
    }
    names.sort();
    return names;
}

QWidget *Named(const std::vector<TCalcForm *> &windows, const QString &name)
{
    const auto it =
        std::find_if(windows.begin(), windows.end(), [&](QWidget *w) { return w->objectName() == name; });
    return it == windows.end() ? nullptr : *it;
}

} // namespace

class TestEnglish : public QObject {
    Q_OBJECT

    std::vector<TCalcForm *> english_, russian_;

private slots:
    // The Russian edition's windows beside the English ones: the same table
    // made again with the translation taken away.
    void initTestCase()
    {
        QCOMPARE(EditionLanguage(), QStringLiteral("en"));
        english_ = Calculators();
        const QList<QTranslator *> translators = qApp->findChildren<QTranslator *>();
        QVERIFY(!translators.isEmpty());
        for (QTranslator *t : translators)
            QCoreApplication::removeTranslator(t);
        SetEditionLanguage(QStringLiteral("ru"));
        for (const CalculatorEntry &c : CalculatorTable())
            c.create();
        russian_ = Calculators();
        for (QTranslator *t : translators)
            QCoreApplication::installTranslator(t);
        SetEditionLanguage(QStringLiteral("en"));
        QVERIFY(HasCyrillic(russian_.front()->windowTitle()));
    }

    void cleanupTestCase() { qDeleteAll(english_); }

    void languageChosen_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("language");
        const QStringList en{QStringLiteral("en")};
        QTest::newRow("Russian") << QStringList{"ru-RU", "ru"} << "ru_RU"
                                 << "ru";
        QTest::newRow("Russian in a Ukrainian locale") << QStringList{"ru-UA"} << "uk_UA"
                                                       << "ru";
        QTest::newRow("C locale") << QStringList{"en-US"} << "C"
                                  << "ru";
        QTest::newRow("POSIX locale") << QStringList{"C"} << "POSIX"
                                      << "ru";
        QTest::newRow("English") << QStringList{"en-GB", "en"} << "en_GB"
                                 << "en";
        QTest::newRow("German, then Russian") << QStringList{"de-DE", "ru-RU"} << "de_DE"
                                              << "ru";
        QTest::newRow("German, then English") << QStringList{"de-DE", "en-US"} << "de_DE"
                                              << "en";
        QTest::newRow("German only") << QStringList{"de-DE"} << "de_DE"
                                     << "en";
        QTest::newRow("none") << QStringList{} << "en_US"
                              << "en";
        QTest::newRow("underscore tag") << QStringList{"ru_RU"} << "en_US"
                                        << "ru";
    }

    void languageChosen()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, systemLocale);
        QFETCH(QString, language);
        QCOMPARE(ChooseLanguage(uiLanguages, systemLocale, HasTranslation), language);
    }

    // The program's own choice for this test's user, an English-speaking one.
    void systemLanguage() { QCOMPARE(SystemLanguage(), QStringLiteral("en")); }

    void translationEmbedded()
    {
        QVERIFY(HasTranslation(QStringLiteral("en")));
        QVERIFY(!HasTranslation(QStringLiteral("de")));
        QVERIFY(!HasTranslation(QString()));
    }

    // Every worked example writes the same texts into every result label of
    // the English window as of the Russian one, under either separator; both windows have had the same
    // examples before.
    void sameDigits_data()
    {
        QTest::addColumn<int>("example");
        QTest::addColumn<QChar>("separator");
        for (QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
            int i = 0;
            for (const WorkedExample &e : WorkedExamples()) {
                QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3").arg(e.window, e.handler, separator)))
                    << i++ << separator;
            }
        }
    }

    void sameDigits()
    {
        QFETCH(int, example);
        QFETCH(QChar, separator);
        const WorkedExample &e = WorkedExamples()[example];
        QStringList results[2];
        int edition = 0;
        for (const auto *windows : {&english_, &russian_}) {
            auto *form = static_cast<TCalcForm *>(Named(*windows, QLatin1String(e.window)));
            QVERIFY(form);
            auto boxes = StartWindowTest(form);
            SetDecimalSeparator(separator);
            results[edition++] = RunSteps(form, StepsWith(e, separator), ResultLabels(form), *boxes);
        }
        QCOMPARE(results[0], results[1]);
        if (*e.expected) {
            QString expected = QLatin1String(e.expected);
            QVERIFY(results[0].back().contains(expected.replace(QLatin1Char('.'), separator)));
        }
    }

    // Each window with its worked examples done: its texts, names, menus and
    // copied lines, and its characteristic window's, hold no Cyrillic letter.
    void noCyrillic_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("Form1") << QStringLiteral("Form1");
        for (const TCalcForm *w : english_)
            QTest::newRow(qPrintable(w->objectName())) << w->objectName();
    }

    void noCyrillic()
    {
        QFETCH(QString, window);
        if (window == QLatin1String("Form1")) {
            Form1->show();
            const QStringList found = Cyrillic(Readable(Form1));
            QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
            return;
        }
        QWidget *form = Named(english_, window);
        QVERIFY(form);
        auto boxes = StartWindowTest(static_cast<TCalcForm *>(form));
        QStringList texts;
        for (const WorkedExample &e : WorkedExamples()) {
            if (window == QLatin1String(e.window))
                texts << RunSteps(form, StepsWith(e, QLatin1Char('.')), {}, *boxes);
        }
        texts << Readable(form);
        const QString copied = CopiedBy(form);
        QVERIFY(copied.count(QLatin1Char('\n')) >= 2);
        texts << copied.split(QLatin1Char('\n'));
        for (QAction *a : form->actions()) {
            if (a->objectName() != QLatin1String("ShowCharacteristic"))
                continue;
            a->trigger();
            QWidget *plot = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->objectName() == window + QStringLiteral("Plot") && w->isVisible())
                    plot = w;
            }
            QVERIFY2(plot, "no characteristic window");
            texts << Readable(plot);
            const QString data = CopiedBy(plot);
            QVERIFY(data.count(QLatin1Char('\n')) >= 3);
            texts << data.split(QLatin1Char('\n'));
            plot->close();
        }
        QCOMPARE(boxes->take(), QStringList());
        const QStringList found = Cyrillic(texts);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    // The number errors read as in every edition; the windows' own warnings
    // in English.
    void messages_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("not a number") << "Form3" << QStringList{"Edit1=1,5", "Edit2=1", "Button1"}
                                      << QStringList{NotANumber(QStringLiteral("1,5"))};
        QTest::newRow("empty field") << "Form3" << QStringList{"Edit1=", "Edit2=1", "Button1"}
                                     << QStringList{NotANumber(QString())};
        QTest::newRow("division by zero")
            << "Form3" << QStringList{"Edit1=0", "Edit2=1", "Button1"} << QStringList{kDivZero};
        QTest::newRow("overflow") << "Form3" << QStringList{"Edit1=1e-300", "Edit2=1e-300", "Button1"}
                                  << QStringList{kOverflow};
        QTest::newRow("invalid operation")
            << "Form14" << QStringList{"Edit1=0", "Edit2=0", "Button1"} << QStringList{kInvalid};
        QTest::newRow("bias warnings")
            << "Form7"
            << (FillSteps({"5", "-40", "60", "1", "2", "5", "0.3", "6"}) +
                QStringList{"RadioButton2", "Button1"})
            << QStringList{"warning: Error: Ve > Vcc!", "warning: Rc < 0, increase Vcc"};
    }

    void messages()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, boxes);
        auto *form = static_cast<TCalcForm *>(Named(english_, window));
        QVERIFY(form);
        auto recorder = StartWindowTest(form);
        QCOMPARE(RunSteps(form, steps, {}, *recorder).constLast(), boxes.join(QStringLiteral(" | ")));
    }
};

VELORIX_TEST_MAIN_WITH(TestEnglish, velorix::InitApplication(QStringLiteral("en"));
                       velorix::test::UsePlotModuleOfBuild(); velorix::CreateForms(), velorix::DestroyForms())

#include "tst_english.moc"
