// The characteristic windows and the readings on the filter design graphs,
// driven as a user drives them: a calculation, then the command
// "Характеристика" (Ctrl+G), then the window's own commands.
#include "Characteristic.h"
#include "ShellTest.h"
#include "Unit1.h"
#include "Unit11.h"
#include "Unit13.h"
#include "Unit3.h"
#include "Unit5.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGraphicsView>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

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

// Runs steps in a calculator window brought to the front; false when it
// does not come to the front.
bool RunIn(TCalcForm *form, const QStringList &steps, BoxRecorder &boxes)
{
    form->activateWindow();
    const bool active = QTest::qWaitForWindowActive(form);
    RunSteps(form, steps, {}, boxes);
    return active;
}

// Starts a window test, runs the steps and opens the window's plot; null
// when it does not open.
QWidget *PlotAfter(TCalcForm *form, const QStringList &steps, std::unique_ptr<BoxRecorder> &boxes)
{
    boxes = StartWindowTest(form);
    if (!QTest::qWaitForWindowActive(form))
        return nullptr;
    RunSteps(form, steps, {}, *boxes);
    return OpenPlot(form);
}

// Whether the plot's copy commands leave the clipboard as it was: both its
// data (Ctrl+Shift+C) and its picture (Ctrl+C).
bool CopiesNothing(QWidget *plot)
{
    plot->activateWindow();
    if (!QTest::qWaitForWindowActive(plot))
        return false;
    for (QKeyCombination keys : {Qt::CTRL | Qt::SHIFT | Qt::Key_C, Qt::CTRL | Qt::Key_C}) {
        QGuiApplication::clipboard()->setText(QStringLiteral("as it was"));
        QTest::keyClick(plot, keys.key(), keys.keyboardModifiers());
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        if (data->hasImage() || data->text() != QStringLiteral("as it was"))
            return false;
    }
    return true;
}

// What the plot says under the chart when it shows no current curve; empty
// when it does.
QString OutOfDate(QWidget *plot)
{
    const QLabel *status = plot->findChild<QLabel *>(QStringLiteral("Status"));
    return status && status->isVisibleTo(plot) ? status->text() : QString();
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
Q_DECLARE_METATYPE(velorix::Curve)

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

    // Before the step that draws it, the plot names that step and copies
    // nothing (first: no test before has drawn the filter's curve).
    void emptyPlot()
    {
        QWidget *plot = PlotAfter(Form11, {"Edit1=465", "Edit2=9", "Edit5=0.006", "Button1"}, boxes);
        QVERIFY(plot);
        QAccessibleInterface *chart =
            QAccessible::queryAccessibleInterface(plot->findChild<QGraphicsView *>());
        QVERIFY2(chart->text(QAccessible::Description).contains(QStringLiteral("«Шаг 3")),
                 qPrintable(chart->text(QAccessible::Description)));
        QVERIFY(CopiesNothing(plot));
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
        // to six digits.
        QCOMPARE(chart->text(QAccessible::Description),
                 QStringLiteral("f = 2.5 кГц, Xc = %1 Ом").arg(FormatSignificant(ParseNumber(xc), 6)));

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
        // The chart, then the marks' text under it.
        QCOMPARE(png.width(), qRound(view->width() * 2 * plot->devicePixelRatioF()));
        QVERIFY(png.height() > view->height() * 2 * plot->devicePixelRatioF());
        QFile pdf(dir.filePath(QStringLiteral("plot.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QCOMPARE(boxes->take(), QStringList());
    }

    // A calculation whose values the plot cannot show leaves the last curve
    // greyed, says why under it, and the copy commands copy nothing; the
    // next calculation that can be shown draws again.
    void outOfDate_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("steps");   // before the plot opens
        QTest::addColumn<QStringList>("change");  // what puts it out of date
        QTest::addColumn<QString>("why");         // in what it says
        QTest::addColumn<QStringList>("recover"); // what makes it current again
        const QStringList circuit{"Edit1=465", "Edit2=100", "Button1", "Edit3=100",
                                  "Button2",   "Edit4=475", "Button3"};
        QTest::newRow("oscillating circuit, new step 1")
            << "Form13" << circuit << QStringList{"Edit1=1000", "Button1"} << "f0, ρ"
            << QStringList{"Button2"};
        QTest::newRow("oscillating circuit, L alone")
            << "Form13" << circuit << QStringList{"Edit2=50", "Button1", "Button3"} << "ρ"
            << QStringList{"Edit2=100", "Button1"};
        QTest::newRow("oscillating circuit, step 3 after Q = 0")
            << "Form13" << circuit << QStringList{"Edit3=0", "Button2", "Button3"} << "Q, Rp"
            << QStringList{"Edit3=50", "Button2"};
        QTest::newRow("negative C") << "Form3" << QStringList{"Edit1=100", "Edit2=1", "Button1"}
                                    << QStringList{"Edit1=-0.1", "Button1"} << "C = -0.1 нФ не больше нуля"
                                    << QStringList{"Edit1=0.1", "Button1"};
        QTest::newRow("negative R in series")
            << "Form5" << QStringList{"Edit1=100", "Edit2=1000", "Edit3=1", "Edit4=10", "Button1"}
            << QStringList{"Edit2=-1000", "Button1"} << "R = -1000 Ом" << QStringList{"Edit2=10", "Button1"};
        const QStringList filter{"Edit1=465", "Edit2=9",  "Edit5=0.006", "Button1", "Edit4=10",
                                 "Button2",   "Edit11=8", "Edit3=40",    "Button3"};
        QTest::newRow("filter, new step 1")
            << "Form11" << filter << QStringList{"Edit2=10", "Button1"} << "шаг 1 изменил значения П"
            << QStringList{"Button2", "Button3"};
        QTest::newRow("filter, step 2 redone") << "Form11" << filter << QStringList{"Edit4=20", "Button2"}
                                               << "шаг 2 дал другие значения" << QStringList{"Button3"};
    }

    void outOfDate()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, change);
        QFETCH(QString, why);
        QFETCH(QStringList, recover);
        TCalcForm *form = Calculator(window);
        QWidget *plot = PlotAfter(form, steps, boxes);
        QVERIFY(plot);
        QCOMPARE(OutOfDate(plot), QString());
        const QList<QStringList> before = CopiedData(plot);

        QVERIFY(RunIn(form, change, *boxes));
        boxes->take();
        QVERIFY2(OutOfDate(plot).contains(why), qPrintable(OutOfDate(plot)));
        QVERIFY(CopiesNothing(plot));
        // The greyed curve is still the last one drawn.
        QCOMPARE(plot->findChild<QLabel *>(QStringLiteral("Marks"))->text().isEmpty(), false);

        QVERIFY(RunIn(form, recover, *boxes));
        QCOMPARE(boxes->take(), QStringList());
        QCOMPARE(OutOfDate(plot), QString());
        const QList<QStringList> after = CopiedData(plot);
        QVERIFY(after.size() > 100);
        QVERIFY(after != before || window == QLatin1String("Form13"));
    }

    // A frequency whose hundredfold overflows: the points beyond the double
    // range go, the rest of the curve is drawn, the row at f is the window's.
    void overflowingPointsDropped()
    {
        QWidget *plot = PlotAfter(Form3, {"Edit1=100", "Edit2=1", "Button1"}, boxes);
        QVERIFY(plot);
        QVERIFY(RunIn(Form3, {"Edit2=1e307", "Button1"}, *boxes));
        QCOMPARE(boxes->take(), QStringList());
        QCOMPARE(OutOfDate(plot), QString());
        const QList<QStringList> rows = CopiedData(plot);
        QCOMPARE(RowAt(rows, QStringLiteral("1E307")).value(1), Text(Form3, QStringLiteral("Label6")));
        QVERIFY(rows.size() > 100 && rows.size() < 200);
        // Every x is within the double range: the largest is below 1.8e308.
        for (qsizetype i = 2; i < rows.size(); ++i)
            QVERIFY2(ParseNumber(rows[i][0]).value() > 0, qPrintable(rows[i][0]));
        QVERIFY(ParseNumber(rows.back()[0]).value() > 1e308L);
    }

    // The tick labels are short, in the unit the title names, and each
    // stands for the value at its tick; a constant curve gets a range.
    void ticks_data()
    {
        QTest::addColumn<Curve>("curve");
        QTest::newRow("1 pF at 50 Hz") << CapacitorReactanceCurve(0.001, 0.05);
        QTest::newRow("1 uF at 1e13 kHz") << CapacitorReactanceCurve(1000, 1e13);
        QTest::newRow("Q = 1e9 at 1e13 kHz") << ResonanceCurve(1e13, 1e9, 1e15, std::nullopt);
        QTest::newRow("parallel RC, 1 fF, 1 kOhm") << ParallelRcCurve(1e-6, 1000, 1);
        QTest::newRow("series RC, 1 F, 1e-9 Ohm") << SeriesRcCurve(1e9, 1e-9, 1e-12);
        QTest::newRow("filter") << FilterAttenuationCurve(9, 0.62, 10, 5, 40);
    }

    void ticks()
    {
        QFETCH(Curve, curve);
        QVERIFY(curve.characteristic);
        const Characteristic &c = *curve.characteristic;
        std::vector<std::pair<const Axis *, const Column *>> axes{{&c.x, &c.columns[0]}};
        for (size_t i = 0; i < c.curves.size(); ++i)
            axes.emplace_back(&c.yAxes[size_t(c.curveAxis[i])], &c.columns[size_t(c.curves[i])]);
        const std::map<QString, long double> units{{"Гц", 1e-3L}, {"кГц", 1},    {"МГц", 1e3L}, {"Ом", 1},
                                                   {"кОм", 1e3L}, {"МОм", 1e6L}, {"град", 1},   {"дБ", 1}};
        for (const auto &[axis, column] : axes) {
            QVERIFY(axis->ticks.size() >= 2);
            QVERIFY(axis->to > axis->from);
            const QString unit = axis->title.section(QStringLiteral(", "), 1);
            QVERIFY2(axis->title.startsWith(column->name) && units.count(unit), qPrintable(axis->title));
            // The data, and every tick, lie inside the range, clear of its ends.
            const double margin = 0.01 * (axis->to - axis->from);
            for (double v : column->values)
                QVERIFY(axis->position(v) > axis->from + margin && axis->position(v) < axis->to - margin);
            for (size_t k = 0; k < axis->ticks.size(); ++k) {
                const QString label = axis->tickTexts[qsizetype(k)];
                QVERIFY2(QString(label).remove(QLatin1Char('-')).size() <= 6, qPrintable(label));
                // Offsets from the value the title names, where it names one.
                const QString origin =
                    axis->title.section(QStringLiteral(" − "), 1).section(QLatin1Char(' '), 0, 0);
                const long double shown = ParseNumber(label).value() * units.at(unit) +
                                          (origin.isEmpty() ? 0 : ParseNumber(origin).value());
                const long double at =
                    axis->scale == Scale::Log ? std::pow(10.0L, axis->ticks[k]) : axis->ticks[k];
                QVERIFY2(std::fabs(shown - at) <= 1e-9L * std::fabs(at) + 1e-12L * (axis->to - axis->from),
                         qPrintable(label + QStringLiteral(" ") + axis->title));
                if (k > 0)
                    QVERIFY(axis->ticks[k] > axis->ticks[k - 1]);
            }
        }
    }

    // Every mark is a sample point, so the data hold a row at it; the rows
    // stay under 500.
    void sampleAtEveryMark_data()
    {
        QTest::addColumn<Curve>("curve");
        QTest::newRow("capacitor") << CapacitorReactanceCurve(100, 1);
        QTest::newRow("series RC") << SeriesRcCurve(100, 1000, 1);
        QTest::newRow("parallel RC") << ParallelRcCurve(100, 1000, 0.01);
        QTest::newRow("oscillating circuit") << ResonanceCurve(465, 100, 29216.8, 475);
        QTest::newRow("fс far off") << ResonanceCurve(465, 100, 29216.8, 1000);
        QTest::newRow("filter") << FilterAttenuationCurve(9, 0.62, 10, 5, 40);
    }

    void sampleAtEveryMark()
    {
        QFETCH(Curve, curve);
        QVERIFY(curve.characteristic);
        const Characteristic &c = *curve.characteristic;
        const std::vector<double> &xs = c.columns[0].values;
        QVERIFY(xs.size() > 200 && xs.size() < 500);
        QVERIFY(std::is_sorted(xs.begin(), xs.end()));
        for (const Mark &m : c.marks) {
            if (m.x >= xs.front() && m.x <= xs.back()) // else not drawn
                QVERIFY2(std::find(xs.begin(), xs.end(), m.x) != xs.end(), qPrintable(m.text));
        }
        // Across the resonance's band, fifteen points at least, however far fс is.
        if (c.title == QStringLiteral("|Z|(f)")) {
            const double low = c.marks[1].x, high = c.marks[2].x;
            QVERIFY(std::count_if(xs.begin(), xs.end(), [&](double x) { return x >= low && x <= high; }) >=
                    15);
        }
    }

    // "Закрепить кривую" keeps the curve; the next calculation draws over
    // it, and the copied data add its columns, labelled with what differs.
    void heldCurve()
    {
        QWidget *plot =
            PlotAfter(Form13, {"Edit1=465", "Edit2=100", "Button1", "Edit3=100", "Button2"}, boxes);
        QVERIFY(plot);
        const QList<QStringList> before = CopiedData(plot);
        QTest::keyClick(plot, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(RunIn(Form13, {"Edit3=50", "Button2"}, *boxes));
        const QList<QStringList> rows = CopiedData(plot);
        QCOMPARE(rows[1].size(), 4);
        QVERIFY2(rows[1][2].startsWith(QStringLiteral("f, кГц (Q = 100,")), qPrintable(rows[1][2]));
        QVERIFY(rows[1][3].startsWith(QStringLiteral("|Z|, Ом (Q = 100,")));
        QCOMPARE(rows.size(), std::max(before.size(), rows.size()));
        for (qsizetype i = 2; i < before.size(); ++i)
            QCOMPARE(rows[i].mid(2), before[i]);
        QVERIFY(rows[2].mid(0, 2) != before[2]);
        // Cleared, the data are the current curve's alone.
        plot->activateWindow();
        QTest::keyClick(plot, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(CopiedData(plot)[1].size(), 2);
    }

    // Exports are light on white with no frame, whatever the palette.
    void exportIsWhite()
    {
        QWidget *plot =
            PlotAfter(Form5, {"Edit1=100", "Edit2=1000", "Edit3=1", "Edit4=10", "Button1"}, boxes);
        QVERIFY(plot);
        QPalette dark = plot->palette();
        dark.setColor(QPalette::Window, QColor(30, 30, 30));
        dark.setColor(QPalette::WindowText, Qt::white);
        plot->setPalette(dark);
        plot->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(plot));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(plot, Qt::Key_C, Qt::ControlModifier);
        const QImage copied = QGuiApplication::clipboard()->image();
        QVERIFY(!copied.isNull());
        for (QPoint corner : {QPoint(0, 0), QPoint(copied.width() - 1, 0), QPoint(0, copied.height() - 1)})
            QCOMPARE(copied.pixelColor(corner), QColor(Qt::white));
        plot->setPalette(QPalette());
    }

    // A link and a plot take a background as dark by one rule: where white
    // text reads better on it than black (grey 150 is not, pure blue is).
    void darkByOneRule_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("dark");
        for (auto [name, colour, dark] : {std::tuple("near black", QColor(30, 30, 30), true),
                                          std::tuple("grey 150", QColor(150, 150, 150), false),
                                          std::tuple("pure blue", QColor(0, 0, 255), true)})
            QTest::newRow(name) << colour << dark;
    }

    void darkByOneRule()
    {
        QFETCH(QColor, background);
        QFETCH(bool, dark);
        QWidget *plot =
            PlotAfter(Form5, {"Edit1=100", "Edit2=1000", "Edit3=1", "Edit4=10", "Button1"}, boxes);
        QVERIFY(plot);
        auto *link = Control<QLabel>(Form1, QStringLiteral("Label4"));
        const QString designed = link->styleSheet();
        QPalette palette;
        palette.setColor(QPalette::Window, background);
        for (QWidget *w : {plot, static_cast<QWidget *>(Form1)})
            w->setPalette(palette);
        const bool darkLink = link->styleSheet() != designed;
        const bool darkChart = qGray(plot->findChild<QGraphicsView *>()->grab().toImage().pixel(2, 2)) < 128;
        for (QWidget *w : {plot, static_cast<QWidget *>(Form1)})
            w->setPalette(QPalette());
        QCOMPARE(darkLink, dark);
        QCOMPARE(darkChart, dark);
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
