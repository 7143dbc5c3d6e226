// Start-up, the main window's menu and link, and how windows show and hide.
#include "RegionalSettings.h"
#include "ShellTest.h"
#include "Unit16.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit7.h"

#include <QDesktopServices>
#include <QMenuBar>

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
        QStringList created;
        for (const CalculatorEntry &c : CalculatorTable()) {
            const QString item = QString::fromLatin1(c.menuItem);
            QVERIFY2(captions.contains(item), c.menuItem);
            QTest::newRow(c.menuItem) << item << c.form()->objectName() << captions[item];
            created << c.form()->objectName();
        }
        // Created in the order Form2 to Form16.
        QStringList expected;
        for (int n = 2; n <= 16; ++n)
            expected << QStringLiteral("Form%1").arg(n);
        QCOMPARE(created, expected);
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
