// The probe of the start-up benchmarks: when the main window is first seen,
// when start-up is over, and the peak memory then.
#pragma once

#include <QApplication>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

namespace velorix::bench {

inline long long MonotonicNs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000ll + now.tv_nsec;
}

// VmHWM of this process, KiB; -1 when /proc does not give it.
inline long long PeakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLongLong();
    }
    return -1;
}

// Ends a start-up measurement.  The main window's first paint event posts
// a stamp, which runs once that paint and its flush are over: the time the
// user sees the window.  The stamp posts a second one at low priority, which
// runs only after every event of normal priority posted before it, such as
// the work a program defers until its main window has shown: the time
// start-up is over.  Then it prints both, CLOCK_MONOTONIC ns, and the peak
// resident memory, KiB (VmHWM), and ends the process at once.  With
// VELORIX_BENCH_UNTIL=shown in the environment it ends at the first stamp
// (ready_ns is then shown_ns): the instruction count of the start-up to the
// main window's first frame alone.
class StartupProbe : public QObject {
public:
    explicit StartupProbe(std::function<QWidget *()> mainWindow) : mainWindow_(std::move(mainWindow)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !posted_ && watched == mainWindow_()) {
            posted_ = true;
            QMetaObject::invokeMethod(this, &StartupProbe::shown, Qt::QueuedConnection);
        }
        return false;
    }

    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        const long long ready = MonotonicNs();
        std::printf("shown_ns=%lld ready_ns=%lld hwm_kib=%lld\n", shownNs_, ready, PeakRssKiB());
        std::fflush(stdout);
        _exit(0);
    }

private:
    void shown()
    {
        shownNs_ = MonotonicNs();
        if (qEnvironmentVariable("VELORIX_BENCH_UNTIL") == QLatin1String("shown")) {
            QEvent now(QEvent::User);
            event(&now);
        }
        QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
    }

    std::function<QWidget *()> mainWindow_;
    bool posted_ = false;
    long long shownNs_ = 0;
};

// Installs the probe; mainWindow gives the window to wait for (it may not
// exist yet when the probe is installed).  An application-wide filter sees
// the window's paint event before any filter the program installs on it.
inline void ReportStartup(std::function<QWidget *()> mainWindow)
{
    qApp->installEventFilter(new StartupProbe(std::move(mainWindow)));
}

} // namespace velorix::bench
