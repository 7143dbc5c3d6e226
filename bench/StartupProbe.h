// Ends a start-up measurement: at the first time the event loop is about to
// wait with the main window exposed, prints the CLOCK_MONOTONIC time, ns, and
// the peak resident memory, KiB (VmHWM), and ends the process at once.
#pragma once

#include <QAbstractEventDispatcher>
#include <QFile>
#include <QWidget>
#include <QWindow>

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

// Installs the probe; mainWindow gives the window to wait for (it may not
// exist yet when the probe is installed).
inline void ReportWhenIdle(std::function<QWidget *()> mainWindow)
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, [mainWindow] {
        const QWidget *window = mainWindow();
        if (!window || !window->windowHandle() || !window->windowHandle()->isExposed())
            return;
        const long long idle = MonotonicNs();
        std::printf("idle_ns=%lld hwm_kib=%lld\n", idle, PeakRssKiB());
        std::fflush(stdout);
        _exit(0);
    });
}

} // namespace velorix::bench
