// The characteristic windows and the readings on the filter design graphs,
// driven as a user drives them: a calculation, then the command
// "Характеристика" (Ctrl+G), then the window's own commands.
#include "ShellTest.h"
#include "Unit11.h"
#include "Unit3.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGraphicsView>
#include <QTemporaryDir>

#include <cmath>
#include <functional>

using namespace velorix;
using namespace velorix::test;

namespace {

// The closed form of a column (1, 2, ...) at the frequency x of a row.
using ClosedForm = std::function<long double(long double x, int column)>;

// Attenuation of one filter section from the image-parameter theory, dB.
long double SectionDb(long double alpha, long double beta)
{
    const long double q = beta * beta / 4;
    const long double mean =
        (std::sqrt((1 + alpha) * (1 + alpha) + q) + std::sqrt((1 - alpha) * (1 - alpha) + q)) / 2;
    return 8.686L * (std::acosh(std::max(mean, 1.0L)) - std::asinh(beta / 2));
}

// The characteristic window of a calculator, opened with its shortcut.
QWidget *OpenPlot(TCalcForm *form)
{
    QTest::keyClick(form, Qt::Key_G, Qt::ControlModifier);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == form->objectName() + QStringLiteral("Plot") && w->isVisible())
            return w;
    }
    return nullptr;
}

// Its data as "Копировать данные" (Ctrl+Shift+C) puts it on the clipboard,
// one list of cells per line.
QList<QStringList> CopiedData(QWidget *plot)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    plot->activateWindow();
    if (!QTest::qWaitForWindowActive(plot))
        return {};
    QTest::keyClick(plot, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QList<QStringList> rows;
    for (const QString &line : QGuiApplication::clipboard()->text().split(QLatin1Char('\n')))
        rows << line.split(QLatin1Char('\t'));
    return rows;
}

// The row whose first cell is x.
QStringList RowAt(const QList<QStringList> &rows, const QString &x)
{
    for (const QStringList &row : rows) {
        if (row.front() == x)
            return row;
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(ClosedForm)

class TestPlots : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            w->hide();
        boxes.reset();
    }

    void dataAtWorkedExample_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("headings");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QStringList>("results"); // the labels of columns 1, 2, ...
        QTest::addColumn<ClosedForm>("closedForm");

        const long double C = 100e-9L, R = 1000; // F, Ohm
        const auto Xc = [C](long double f) { return 1 / (kTwoPi * f * 1000 * C); };
        const long double deg = 180 / std::acos(-1.0L);
        QTest::newRow("capacitor") << "Form3" << QStringList{"Edit1=100", "Edit2=1", "Button1"}
                                   << "f, кГц\tXc, Ом"
                                   << "1" << QStringList{"Label6"}
                                   << ClosedForm([=](long double f, int) { return Xc(f); });
        QTest::newRow("inductor") << "Form4" << QStringList{"Edit1=100", "Edit2=1", "Button1"}
                                  << "f, кГц\tXL, Ом"
                                  << "1" << QStringList{"Label6"} << ClosedForm([](long double f, int) {
                                         return kTwoPi * f * 1000 * 100e-6L;
                                     });
        const QStringList rc{"Edit1=100", "Edit2=1000", "Edit3=1", "Edit4=10", "Button1"};
        QTest::newRow("series RC") << "Form5" << rc << "f, кГц\t|Z|, Ом\tφ, град"
                                   << "1" << QStringList{"Label9", "Label11"}
                                   << ClosedForm([=](long double f, int k) {
                                          return k == 1 ? std::hypot(R, Xc(f)) : std::atan(Xc(f) / R) * deg;
                                      });
        QTest::newRow("parallel RC") << "Form6" << rc << "f, кГц\t|Z|, Ом\tφ, град"
                                     << "1" << QStringList{"Label15", "Label30"}
                                     << ClosedForm([=](long double f, int k) {
                                            return k == 1 ? 1 / std::hypot(1 / R, 1 / Xc(f))
                                                          : std::atan(R / Xc(f)) * deg;
                                        });
        const long double f0 = 465, Q = 100, Rp = Q * kTwoPi * 465e3L * 100e-6L;
        QTest::newRow("oscillating circuit")
            << "Form13" << QStringList{"Edit1=465", "Edit2=100", "Button1", "Edit3=100",
                                       "Button2",   "Edit4=475", "Button3"}
            << "f, кГц\t|Z|, Ом"
            << "475" << QStringList{"Label12"} << ClosedForm([=](long double f, int) {
                   const long double y = f / f0 - f0 / f;
                   return Rp / std::sqrt(1 + Q * Q * y * y);
               });
        // f0 465 kHz, П 9 kHz, d 0.006: β = 0.62; Δf 10 kHz; σ1 8 dB and
        // S 40 dB give 5 sections.
        QTest::newRow("filter design")
            << "Form11" << QStringList{"Edit1=465", "Edit2=9",  "Edit5=0.006", "Button1", "Edit4=10",
                                       "Button2",   "Edit11=8", "Edit3=40",    "Button3"}
            << "Δf, кГц\tαс\tОслабление, дБ"
            << "10" << QStringList{"Label17"} << ClosedForm([](long double df, int k) {
                   const long double alpha = 2 * df / 9;
                   return k == 1 ? alpha : 5 * SectionDb(alpha, 0.62L);
               });
    }

    // At the entered value the copied row shows the window's own results,
    // and elsewhere the circuit's closed form.
    void dataAtWorkedExample()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, steps);
        QFETCH(QString, headings);
        QFETCH(QString, x);
        QFETCH(QStringList, results);
        QFETCH(ClosedForm, closedForm);
        TCalcForm *form = Calculator(window);
        boxes = StartWindowTest(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        RunSteps(form, steps, {}, *boxes);
        QCOMPARE(boxes->take(), QStringList());

        QWidget *plot = OpenPlot(form);
        QVERIFY(plot);
        QCOMPARE(plot->windowTitle(), form->windowTitle() + QStringLiteral(" — характеристика"));
        QVERIFY(QTest::qWaitForWindowActive(plot));
        const QList<QStringList> rows = CopiedData(plot);
        QVERIFY(rows.size() > 100);
        QCOMPARE(rows[0], QStringList{plot->windowTitle()});
        QCOMPARE(rows[1].join(QLatin1Char('\t')), headings);

        QStringList entered = RowAt(rows, x);
        QCOMPARE(entered.mid(1, results.size()), Texts(form, results));
        // The first and the last sample point.
        for (const QStringList &row : {rows[2], rows.back()}) {
            QCOMPARE(row.size(), rows[1].size());
            const long double f = ParseNumber(row[0]).value();
            for (int k = 1; k < row.size(); ++k) {
                const long double shown = ParseNumber(row[k]).value(), exact = closedForm(f, k);
                // The phase from an inverse cosine near 1 keeps about 11 digits.
                QVERIFY2(
                    std::fabs(shown - exact) <= 1e-9L * std::fabs(exact) + 1e-15L,
                    qPrintable(QStringLiteral("%1: %2").arg(row.join(QLatin1Char(' '))).arg(double(exact))));
            }
        }
        QCOMPARE(boxes->take(), QStringList());
    }

    // The window follows its calculator: a new calculation redraws it, a
    // failed one leaves the last curve; it saves what it shows.
    void followsRecalculation()
    {
        boxes = StartWindowTest(Form3);
        QVERIFY(QTest::qWaitForWindowActive(Form3));
        RunSteps(Form3, {"Edit1=100", "Edit2=1", "Button1"}, {}, *boxes);
        QWidget *plot = OpenPlot(Form3);
        QVERIFY(plot);
        QCOMPARE(plot->objectName(), QStringLiteral("Form3Plot"));
        Form3->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form3));
        RunSteps(Form3, {"Edit2=2.5", "Button1"}, {}, *boxes);
        const QString xc = Text(Form3, QStringLiteral("Label6"));
        QCOMPARE(RowAt(CopiedData(plot), QStringLiteral("2.5")).value(1), xc);
        // The marks are stated to a screen reader.
        QAccessibleInterface *chart =
            QAccessible::queryAccessibleInterface(plot->findChild<QGraphicsView *>());
        QVERIFY(chart);
        QCOMPARE(chart->text(QAccessible::Description), QStringLiteral("f = 2.5 кГц, Xc = %1 Ом").arg(xc));

        QCOMPARE(RunSteps(Form3, {"Edit2=x", "Button1"}, {}, *boxes),
                 QStringList{NotANumber(QStringLiteral("x"))});
        QCOMPARE(RowAt(CopiedData(plot), QStringLiteral("2.5")).value(1), xc);

        QTemporaryDir dir;
        bool saved = false;
        for (const char *name : {"plot.png", "plot.pdf"}) {
            QVERIFY(QMetaObject::invokeMethod(plot, "saveTo", Q_RETURN_ARG(bool, saved),
                                              Q_ARG(QString, dir.filePath(QLatin1String(name)))));
            QVERIFY(saved);
        }
        const QImage png(dir.filePath(QStringLiteral("plot.png")));
        const QWidget *view = plot->findChild<QGraphicsView *>()->viewport();
        QCOMPARE(png.size(), view->size() * 2 * plot->devicePixelRatioF());
        QFile pdf(dir.filePath(QStringLiteral("plot.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QCOMPARE(boxes->take(), QStringList());
    }

    // After step 2 graph а) reads σ1 at α on the curve of β, after step 3
    // graph б) reads Кф; both are copied, and go when their step fails or the
    // remembered values change under them.
    void filterReadings()
    {
        boxes = StartWindowTest(Form11);
        QVERIFY(QTest::qWaitForWindowActive(Form11));
        RunSteps(Form11, {"Edit1=465", "Edit2=9", "Edit5=0.006", "Button1", "Edit4=12", "Button2"}, {},
                 *boxes);
        const long double alpha = 24 / 9.0L, beta = 0.62L;
        const long double sigma1 = SectionDb(alpha, beta),
                          transfer = 0.5L * std::pow(beta / 2 + std::sqrt(1 + beta * beta / 4), -5);
        const auto comma = [](long double v, int decimals) {
            return QString::number(double(v), 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
        };
        const auto copied = [] {
            QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
            QTest::keyClick(Form11, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            return QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        };
        SetDecimalSeparator(QLatin1Char(','));
        const QString s1 = QStringLiteral("σ1 по графику а)\t") + comma(sigma1, 2);
        const QString kf = QStringLiteral("Кф по графику б)\t") + comma(transfer, 3);
        QCOMPARE(copied().last(), s1);

        // The mark is drawn where the curve of β crosses α on graph а):
        // 440 px for αс 0 to 3, 262 px for 0 to 15 dB downwards, from (56, 34).
        QLabel *graphs = Control<QLabel>(Form11, QStringLiteral("Image2"));
        const QImage drawn = graphs->grab().toImage();
        const QPoint at(qRound(56 + double(alpha) / 3 * 440), qRound(34 + double(sigma1) / 15 * 262));
        const QColor ink = drawn.pixelColor(at * drawn.devicePixelRatio());
        QVERIFY2(ink.red() > 120 && ink.green() < 60 && ink.blue() < 80, qPrintable(ink.name()));

        SetDecimalSeparator(QLatin1Char('.'));
        RunSteps(Form11, {"Edit11=8", "Edit3=40", "Button3"}, {}, *boxes);
        SetDecimalSeparator(QLatin1Char(','));
        QCOMPARE(copied().mid(copied().size() - 2), (QStringList{s1, kf}));
        SetDecimalSeparator(QLatin1Char('.'));

        // A failed step 3 takes Кф away, a failed step 2 σ1.
        QCOMPARE(RunSteps(Form11, {"Edit3=x", "Button3"}, {}, *boxes),
                 QStringList{NotANumber(QStringLiteral("x"))});
        QCOMPARE(copied().last(), QString(s1).replace(QLatin1Char(','), QLatin1Char('.')));
        QCOMPARE(RunSteps(Form11, {"Edit3=40", "Button3", "Edit4=", "Button2"}, {}, *boxes).last(),
                 NotANumber(QString()));
        QVERIFY(!copied().join(QLatin1Char('\n')).contains(QStringLiteral("по графику")));
        // Step 1 with new values makes step 2's reading stale.
        RunSteps(Form11, {"Edit4=12", "Button2", "Edit2=10", "Button1"}, {}, *boxes);
        QVERIFY(!copied().join(QLatin1Char('\n')).contains(QStringLiteral("по графику")));
    }
};

VELORIX_SHELL_TEST_MAIN(TestPlots)
#include "tst_plots.moc"
