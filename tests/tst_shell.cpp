// Start-up, the main window's menu and link, and how windows show and hide.
#include "Examples.h"
#include "RegionalSettings.h"
#include "ShellTest.h"
#include "Unit16.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit7.h"

#include <QDesktopServices>
#include <QMenuBar>
#include <QMouseEvent>

using namespace velorix;
using namespace velorix::test;

namespace {

// Catches the URLs that QDesktopServices would hand to a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// Counts the mouse events that reach any object while it lives.
class MouseWatch : public QObject {
public:
    int events = 0;
    MouseWatch() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        events += event->type() == QEvent::Wheel || dynamic_cast<QMouseEvent *>(event) != nullptr;
        return false;
    }
};

// A key pressed and released on the keyboard: it goes to the window that
// has the keyboard focus, through the platform's own path.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
}

// Tab until a control has the focus; false when Tab never reaches it.
bool TabTo(QWidget *form, const QString &control)
{
    for (int n = 0; n <= TabOrder(form).size(); ++n) {
        if (QApplication::focusWidget() && QApplication::focusWidget()->objectName() == control)
            return true;
        Press(Qt::Key_Tab);
    }
    return false;
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void init() { boxes = std::make_unique<BoxRecorder>(); }
    void cleanup() { boxes.reset(); }

    void startsWithMainWindowOnly()
    {
        Form1->show();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Velorix"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Velorix"));
        QCOMPARE(Form1->objectName(), QStringLiteral("Form1"));
        QVERIFY(Form1->isVisible());
        for (TCalcForm *form : Calculators())
            QVERIFY2(!form->isVisible(), qPrintable(form->objectName()));
        const auto sizes = QApplication::windowIcon().availableSizes();
        for (int px : {16, 32, 48})
            QVERIFY(sizes.contains(QSize(px, px)));
    }

    void menuTree()
    {
        const auto *bar = Control<QMenuBar>(Form1, QStringLiteral("MainMenu1"));
        QStringList top;
        for (const QAction *a : bar->actions())
            top << a->text();
        QCOMPARE(top, QStringList({"Радиотехнические расчёты", "Схема замещения", "Цепи термостабилизации",
                                   "Анализ каскада", "Эмиттерный повторитель с составным транзистором"}));
        const auto names = [](const QMenu *menu) {
            QStringList n;
            for (const QAction *a : menu->actions())
                n << a->objectName();
            return n;
        };
        QCOMPARE(names(Control<QMenu>(Form1, QStringLiteral("N1"))),
                 QStringList({"N2", "N3", "R1", "R2", "N7", "N9", "N10", "N11", "N12", "N13"}));
        QCOMPARE(names(Control<QMenu>(Form1, QStringLiteral("N5"))), QStringList({"N6", "N8"}));
    }

    // Every calculator of the table, with the caption its menu command's
    // window must have.
    void menuCommandShowsItsWindow_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        const QHash<QString, QString> captions = {
            {"N2", "Реактивное сопротивление конденсатора"},
            {"N3", "Реактивное сопротивление катушки"},
            {"R1", "Последовательное соединение R и С"},
            {"R2", "Параллельное соединение R и С"},
            {"N7", "Расчёт развязывающих ёмкостей транзисторного каскада"},
            {"N9", "Трансформация сопротивлений"},
            {"N10", "Расчёт ФСС"},
            {"N11", "Способ повышения избирательности по соседнему каналу"},
            {"N12", "Параметры колебательного контура"},
            {"N13", "Ёмкостный делитель"},
            {"N4", "Схема замещения"},
            {"N6", "Схема термостабилизации с ОС по току"},
            {"N8", "Схема термостабилизации с ОС по току (двухбатарейное питание)"},
            {"N14", "Анализ каскада"},
            {"N15", "Анализ"},
        };
        QCOMPARE(CalculatorTable().size(), size_t(captions.size()));
        int n = 2; // created in the order Form2, Form3, …
        for (const CalculatorEntry &c : CalculatorTable()) {
            const QString item = QString::fromLatin1(c.menuItem);
            QVERIFY2(captions.contains(item), c.menuItem);
            QCOMPARE(c.form()->objectName(), QStringLiteral("Form%1").arg(n++));
            QTest::newRow(c.menuItem) << item << c.form()->objectName() << captions[item];
        }
    }

    void menuCommandShowsItsWindow()
    {
        QFETCH(QString, item);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        TCalcForm *window = Calculator(form);
        QVERIFY(window);
        window->hide();
        Control<QAction>(Form1, item)->trigger();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), caption);
        QVERIFY(!window->isModal());
        // Choosing it again while open keeps it open.
        Control<QAction>(Form1, item)->trigger();
        QVERIFY(window->isVisible());
        window->close();
        QVERIFY(!window->isVisible());
    }

    void closingHidesAndKeepsContents()
    {
        SetDecimalSeparator(QLatin1Char('.'));
        Control<QAction>(Form1, QStringLiteral("N2"))->trigger();
        Fill(Form3, {QStringLiteral("100"), QStringLiteral("1")});
        Click(Form3, QStringLiteral("Button1"));
        QVERIFY(Form3->close());
        QVERIFY(!Form3->isVisible());
        Control<QAction>(Form1, QStringLiteral("N2"))->trigger();
        QCOMPARE(Control<QLineEdit>(Form3, QStringLiteral("Edit1"))->text(), QStringLiteral("100"));
        QCOMPARE(Control<QLineEdit>(Form3, QStringLiteral("Edit2"))->text(), QStringLiteral("1"));
        QCOMPARE(Text(Form3, QStringLiteral("Label6")), QStringLiteral("1591.54943091895"));
        Form3->close();
    }

    void centredOnFirstShowingOnly()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        Control<QAction>(Form1, QStringLiteral("N3"))->trigger();
        const QPoint centre = Form4->geometry().center();
        QVERIFY(qAbs(centre.x() - screen.center().x()) <= 8);
        QVERIFY(qAbs(centre.y() - screen.center().y()) <= 20);
        Form4->move(10, 20);
        Form4->close();
        Control<QAction>(Form1, QStringLiteral("N3"))->trigger();
        QCOMPARE(Form4->pos(), QPoint(10, 20));
        Form4->close();
    }

    void minimisingMainWindowMinimisesCalculators()
    {
        Control<QAction>(Form1, QStringLiteral("N2"))->trigger();
        Control<QAction>(Form1, QStringLiteral("N3"))->trigger();
        Form4->setWindowState(Qt::WindowMinimized); // by the user, before
        Form1->setWindowState(Qt::WindowMinimized);
        QVERIFY(Form3->isMinimized());
        QVERIFY(!Form7->isMinimized()); // hidden windows stay as they are
        Form1->setWindowState(Qt::WindowNoState);
        QVERIFY(!Form3->isMinimized());
        QVERIFY(Form4->isMinimized());
        Form3->close();
        Form4->close();
        Form4->setWindowState(Qt::WindowNoState);
    }

    void linkOpensSupportPage()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        auto *link = Control<QLabel>(Form1, QStringLiteral("Label4"));
        QTest::mouseClick(link, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(catcher.urls.size(), 1);
        const QUrl url = catcher.urls.front();
        QVERIFY(url.isValid());
        QCOMPARE(link->text(), url.host() + url.path());
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->font().underline());
    }

    void followsRegionalSettings()
    {
        SetDecimalSeparator(QLatin1Char(';'));
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(qApp, &change);
        QCOMPARE(DecimalSeparator(), SeparatorOf(QLocale::system()));
        QCOMPARE(SeparatorOf(QLocale(QLocale::Russian, QLocale::Russia)), QLatin1Char(','));
        QCOMPARE(SeparatorOf(QLocale::c()), QLatin1Char('.'));
    }

    // A user without a mouse opens every calculator from the main window's
    // menu, entered with F10 or a lone Alt, then types its worked example,
    // field by field with Tab, and presses Return in its last field.
    void keyboardOnlyWalk_data()
    {
        QTest::addColumn<QList<int>>("keys"); // to the menu command
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        const QList<QAction *> bar = Control<QMenuBar>(Form1, QStringLiteral("MainMenu1"))->actions();
        bool f10 = false;
        for (const CalculatorEntry &c : CalculatorTable()) {
            // F10 or Alt, in turn, Right to the command's entry on the menu
            // bar, Down into the entry's list to the command, Return.
            f10 = !f10;
            QList<int> keys{f10 ? Qt::Key_F10 : Qt::Key_Alt};
            const auto *command = Control<QAction>(Form1, QString::fromLatin1(c.menuItem));
            for (qsizetype i = 0; i < bar.size(); ++i) {
                const qsizetype j = bar[i]->menu() ? bar[i]->menu()->actions().indexOf(command) : -1;
                if (bar[i] == command || j >= 0)
                    keys += QList<int>(i, Qt::Key_Right) + QList<int>(j + 1, Qt::Key_Down);
            }
            keys << Qt::Key_Return;
            const QString window = c.form()->objectName();
            const auto example =
                std::find_if(WorkedExamples().begin(), WorkedExamples().end(), [&](const WorkedExample &e) {
                    return window == QLatin1String(e.window) && *e.expected;
                });
            QVERIFY(example != WorkedExamples().end());
            QTest::addRow("%s %s", c.menuItem, f10 ? "F10" : "Alt")
                << keys << window << example->setup << QString::fromLatin1(example->last)
                << QString::fromUtf8(example->expected);
        }
    }

    void keyboardOnlyWalk()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, window);
        QFETCH(QStringList, steps);
        QFETCH(QString, label);
        QFETCH(QString, shown);
        SetDecimalSeparator(QLatin1Char('.'));
        Form1->show();
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        MouseWatch mouse;

        for (int key : keys)
            Press(Qt::Key(key));
        TCalcForm *form = Calculator(window);
        QVERIFY(QTest::qWaitForWindowActive(form));
        QString lastField;
        for (const QString &step : steps) {
            const qsizetype eq = step.indexOf(QLatin1Char('='));
            QVERIFY2(TabTo(form, step.left(eq)), qPrintable(step));
            if (eq < 0) { // a radio button
                Press(Qt::Key_Space);
                continue;
            }
            lastField = step.left(eq);
            Press(Qt::Key_A, Qt::ControlModifier);
            for (QChar c : step.mid(eq + 1))
                QTest::keyClick(QGuiApplication::focusWindow(), c.toLatin1());
        }
        QVERIFY(TabTo(form, lastField));
        Press(Qt::Key_Return);
        QCOMPARE(Text(form, label), shown);
        QCOMPARE(boxes->take(), QStringList());
        QCOMPARE(mouse.events, 0);
        form->close();
    }

    // Last: closing the main window ends the program.
    void closingMainWindowEndsProgram()
    {
        Control<QAction>(Form1, QStringLiteral("N6"))->trigger();
        Control<QAction>(Form1, QStringLiteral("N2"))->trigger();
        QVERIFY(Form3->isVisible() && Form7->isVisible());
        // Inside the event loop, as in the program; a loop still running
        // after two seconds ends with code 1.
        QTimer::singleShot(0, Form1, [] { Form1->close(); });
        QTimer::singleShot(2000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

VELORIX_SHELL_TEST_MAIN(TestShell)
#include "tst_shell.moc"
