// Click to result: every button handler of every calculator window, clicked
// with the mouse on the real window (offscreen), timed from the click to the
// handler's return.  The inputs are the shared worked examples; each
// click is checked to have written its last result without any box.
//
// Arguments: the clicks per handler (2000), and optionally one window's
// name to measure only that window, and one handler's to measure only that
// one.  Prints one line per handler: "click<TAB>window<TAB>handler<TAB>median ns
// <TAB>p99 ns<TAB>clicks", and at the end "timed<TAB>n", the number of timed
// clicks made, warm-up ones included (what a count of instructions under
// callgrind --toggle-collect=*TimedClick* is divided by); a handler that
// fails its check ends the run with exit status 1.
#include "Examples.h"
#include "ShellTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace velorix;
using namespace velorix::test;

namespace {

// What the result labels show before each timed click: no number.
const QString kEarlier = QStringLiteral("?");

// The labels a handler writes: those empty in the window's definition.
QList<QLabel *> ResultLabels(QWidget *form)
{
    QList<QLabel *> labels;
    for (QLabel *label : form->findChildren<QLabel *>()) {
        if (label->autoFillBackground() && !IsPictureBox(label))
            labels << label;
    }
    return labels;
}

// The click the bench times: the press and the release, with the handler
// they run.  Kept out of line so that callgrind can count it alone.
int g_timedClicks = 0;
Q_NEVER_INLINE void TimedClick(QAbstractButton *button)
{
    ++g_timedClicks;
    QTest::mouseClick(button, Qt::LeftButton);
}

long long Percentile(std::vector<long long> sorted, double p)
{
    std::sort(sorted.begin(), sorted.end());
    const size_t rank = size_t(p * double(sorted.size() - 1) + 0.5);
    return sorted[std::min(rank, sorted.size() - 1)];
}

bool Fail(const WorkedExample &c, const QString &why)
{
    std::fprintf(stderr, "click bench: %s %s: %s\n", c.window, c.handler, qPrintable(why));
    return false;
}

bool Measure(const WorkedExample &c, int clicks)
{
    BoxRecorder boxes;
    TCalcForm *form = Calculator(QString::fromLatin1(c.window));
    if (!form)
        return Fail(c, QStringLiteral("no such window"));
    form->showAndRaise();
    QApplication::processEvents();
    // With no result labels asked for, each click of the setup gives the
    // boxes it raised, and none may.
    QStringList raised = RunSteps(form, c.setup, {}, boxes) + boxes.take();
    raised.removeAll(QString());
    if (!raised.isEmpty())
        return Fail(c, QStringLiteral("the inputs raised ") + raised.join(QLatin1String(" | ")));

    auto *button = form->findChild<QAbstractButton *>(QString::fromLatin1(c.button));
    auto *last = form->findChild<QLabel *>(QString::fromLatin1(c.last));
    if (!button || !last)
        return Fail(c, QStringLiteral("no %1 or %2").arg(c.button, c.last));
    const QList<QLabel *> results = ResultLabels(form);
    const QString expected = QString::fromUtf8(c.expected);

    const int warmUp = std::max(10, clicks / 20);
    std::vector<long long> times;
    times.reserve(size_t(clicks));
    QElapsedTimer timer;
    for (int i = 0; i < warmUp + clicks; ++i) {
        // Each click writes its results afresh, as a click after the inputs
        // changed does: the labels hold an earlier text, no result's.
        // (Emptying them would also drop their text controls, which only
        // a window's first click builds.)
        for (QLabel *label : results)
            label->setText(kEarlier);
        // Painted before the click, as a window on the screen is: the
        // button's press repaints whatever is pending.
        QApplication::processEvents();
        timer.start();
        TimedClick(button);
        const long long ns = timer.nsecsElapsed();
        if (last->text().isEmpty() || last->text() == kEarlier)
            return Fail(c, QStringLiteral("%1 not written").arg(c.last));
        if (!expected.isEmpty() && last->text() != expected)
            return Fail(c, QStringLiteral("%1 shows %2, not %3").arg(c.last, last->text(), expected));
        if (const QStringList raised = boxes.take(); !raised.isEmpty())
            return Fail(c, QStringLiteral("the click raised ") + raised.join(QLatin1String(" | ")));
        if (i >= warmUp)
            times.push_back(ns);
        // Repaints and other queued work run between clicks, untimed.
        QApplication::processEvents();
    }
    if (const QStringList stray = boxes.takeUnexpected(); !stray.isEmpty())
        return Fail(c, QStringLiteral("a modal window bypassed the message seam: ") +
                           stray.join(QLatin1Char('|')));
    form->hide();
    std::printf("click\t%s\t%s\t%lld\t%lld\t%d\n", c.window, c.handler, Percentile(times, 0.5),
                Percentile(times, 0.99), clicks);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velorix::InitApplication();
    velorix::CreateForms();
    SetDecimalSeparator(QLatin1Char('.'));
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const QString onlyHandler = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    bool ok = true;
    for (const WorkedExample &c : WorkedExamples()) {
        if ((only.isEmpty() || only == QLatin1String(c.window)) &&
            (onlyHandler.isEmpty() || onlyHandler == QString::fromUtf8(c.handler)))
            ok = Measure(c, clicks) && ok;
    }
    std::printf("timed\t%d\n", g_timedClicks);
    velorix::DestroyForms();
    return ok ? 0 : 1;
}
