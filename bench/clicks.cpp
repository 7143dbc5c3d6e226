// Click to result: every button handler of every calculator window, clicked
// with the mouse on the real window (offscreen), timed from the click to the
// handler's return.  The example inputs are those of the window tests; each
// click is checked to have written its last result without any box.
//
// Arguments: the clicks per handler (2000), and optionally one window's
// name to measure only that window.  Prints one line per handler: "click<TAB>window<TAB>handler<TAB>median ns
// <TAB>p99 ns<TAB>clicks"; a handler that fails its check ends the run with
// exit status 1.
#include "TestKit.h"

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

struct Case {
    const char *window;
    const char *handler; // as the table shows it
    QStringList setup;   // steps run once before: fields, radio buttons, earlier steps
    const char *button;
    const char *last;     // the last result label the handler writes
    const char *expected; // its text, as the window tests have it; "" when only non-empty is checked
};

const QStringList kForm7 = {"Edit1=12", "Edit2=-40", "Edit3=60", "Edit5=2",
                            "Edit6=5",  "Edit7=0.3", "Edit8=2"};
const QStringList kForm8 = {"Edit1=12", "Edit2=-60", "Edit3=60", "Edit5=2", "Edit6=5", "Edit7=0.3"};
const QStringList kForm11Step1 = {"Edit1=465", "Edit2=9", "Edit5=0.006", "Button1"};
const QStringList kForm11Step4 = {"Edit6=10", "Edit7=1000", "Edit8=2000", "Button4"};
const QStringList kForm13Step1 = {"Edit1=465", "Edit2=100", "Button1"};
const QStringList kForm16 = {"Edit1=200", "Edit2=25",  "Edit3=50",  "Edit4=40",
                             "Edit5=100", "Edit6=100", "Edit7=2.5", "Edit8=1000"};

const Case kCases[] = {
    {"Form2", "Button1 re", {"Edit1=1"}, "Button1", "Label7", "26"},
    {"Form2", "Button2 rk", {"Edit2=5", "Edit3=10", "Edit4=1", "Edit5=1.05"}, "Button2", "Label15", "100000"},
    {"Form2", "Button3 Ce", {"Edit6=26", "Edit7=100"}, "Button3", "Label25", "61.213439650729"},
    {"Form2", "Button4 Ck", {"Edit8=5", "Edit9=12", "Edit10=3"}, "Button4", "Label29", "15.4919333848297"},
    {"Form2", "Button5 rb", {"Edit11=100", "Edit12=2"}, "Button5", "Label34", "50"},
    {"Form3", "Button1 Xc", {"Edit1=0.1", "Edit2=1"}, "Button1", "Label6", "1591549.43091895"},
    {"Form4", "Button1 XL", {"Edit1=0.5", "Edit2=455.5"}, "Button1", "Label6", "1.43099545371015"},
    {"Form5",
     "Button1 series RC",
     {"Edit1=100", "Edit2=1000", "Edit3=0.5", "Edit4=2.5"},
     "Button1",
     "Label32",
     "0.299716803589196"},
    {"Form6",
     "Button1 parallel RC",
     {"Edit1=100", "Edit2=1000", "Edit3=0.5", "Edit4=2.5"},
     "Button1",
     "Label30",
     "17.4405944905119"},
    {"Form7", "Button1 silicon", kForm7 + QStringList{"Edit4=0.1", "RadioButton1"}, "Button1", "Label28",
     "4309"},
    {"Form7", "Button1 germanium", kForm7 + QStringList{"Edit4=2", "RadioButton2"}, "Button1", "Label28",
     "3253"},
    {"Form8", "Button1 silicon", kForm8 + QStringList{"Edit4=0.1", "RadioButton1"}, "Button1", "Label23",
     "3850"},
    {"Form8", "Button1 germanium", kForm8 + QStringList{"Edit4=2", "RadioButton2"}, "Button1", "Label23",
     "3700"},
    {"Form9", "Button1 Ce", {"Edit1=0.5", "Edit2=10"}, "Button1", "Label5", "318309.886183791"},
    {"Form9", "Button2 Cb", {"Edit3=26", "Edit4=1000", "Edit5=50"}, "Button2", "Label7", ""},
    {"Form10", "Button1 K", {"Edit1=50", "Edit2=1000"}, "Button1", "Label6", "4.47213595499958"},
    {"Form10", "Button2 Z1", {"Edit3=50", "Edit4=4.47213595499958"}, "Button2", "Label9", "1000"},
    {"Form11", "Button1 step 1", {"Edit1=465", "Edit2=9", "Edit5=0.006"}, "Button1", "Label7", ""},
    {"Form11", "Button2 step 2", kForm11Step1 + QStringList{"Edit4=10"}, "Button2", "Label17", ""},
    {"Form11", "Button3 step 3", {"Edit11=8", "Edit3=40"}, "Button3", "Label23", "5"},
    {"Form11", "Button4 step 4", {"Edit6=10", "Edit7=1000", "Edit8=2000"}, "Button4", "Label27", ""},
    {"Form11", "Button5 step 6", kForm11Step1 + kForm11Step4 + QStringList{"Edit9=10", "Edit10=15"},
     "Button5", "Label42", ""},
    {"Form12",
     "Button1 Ccv",
     {"Edit1=510", "Edit2=5000", "Edit3=7", "Edit4=470"},
     "Button1",
     "Label17",
     "56.7347210394884"},
    {"Form13", "Button1 rho", {"Edit1=465", "Edit2=1e2"}, "Button1", "Label6", "292.168116783851"},
    {"Form13", "Button2 Rp, P", kForm13Step1 + QStringList{"Edit3=100"}, "Button2", "Label14", ""},
    {"Form13", "Button3 Z", kForm13Step1 + QStringList{"Edit3=100", "Button2", "Edit4=475"}, "Button3",
     "Label12", ""},
    {"Form14", "Button1 n", {"Edit1=150", "Edit2=680"}, "Button1", "Label5", "5.53333333333333"},
    {"Form14", "Button2 R'n", {"Edit1=150", "Edit2=680", "Button1", "Edit3=50"}, "Button2", "Label9", ""},
    {"Form15",
     "Button1 Rin",
     {"Edit1=100", "Edit2=26", "Edit3=0", "Edit4=100"},
     "Button1",
     "Label10",
     "2726"},
    {"Form15",
     "Button2 Ku",
     {"Edit4=100", "Edit5=4700", "Edit6=2726", "Edit7=600", "Edit8=10000"},
     "Button2",
     "Label20",
     "-96.1298530235907"},
    {"Form16", "Button1 Fig. 1a", kForm16, "Button1", "Label19", "0.946571451205849"},
    {"Form16", "Button2 Fig. 1b", kForm16, "Button2", "Label19", ""},
};

// What the result labels show before each timed click: no number.
const QString kEarlier = QStringLiteral("?");

// The labels a handler writes: those empty in the window's definition.
QList<QLabel *> ResultLabels(QWidget *form)
{
    QList<QLabel *> labels;
    for (QLabel *label : form->findChildren<QLabel *>()) {
        if (label->autoFillBackground() && !label->objectName().startsWith(QLatin1String("Image")))
            labels << label;
    }
    return labels;
}

long long Percentile(std::vector<long long> sorted, double p)
{
    std::sort(sorted.begin(), sorted.end());
    const size_t rank = size_t(p * double(sorted.size() - 1) + 0.5);
    return sorted[std::min(rank, sorted.size() - 1)];
}

bool Fail(const Case &c, const QString &why)
{
    std::fprintf(stderr, "click bench: %s %s: %s\n", c.window, c.handler, qPrintable(why));
    return false;
}

bool Measure(const Case &c, int clicks)
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
        QTest::mouseClick(button, Qt::LeftButton);
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
    bool ok = true;
    for (const Case &c : kCases) {
        if (only.isEmpty() || only == QLatin1String(c.window))
            ok = Measure(c, clicks) && ok;
    }
    velorix::DestroyForms();
    return ok ? 0 : 1;
}
