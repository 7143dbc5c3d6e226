// Ends a start-up measurement: the time the main window's first frame is
// done, the time the event loop is first about to wait with it exposed, and
// the peak resident memory then.
#pragma once

#include <QAbstractEventDispatcher>
#include <QApplication>
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

// Stamps the moment the main window's first frame is done: its first paint
// event, delivered with the window exposed, posts the stamp, which runs once
// that paint and its flush are over (before anything posted later, such as
// work the program defers until its main window shows).
class FirstFrameProbe : public QObject {
public:
    explicit FirstFrameProbe(std::function<QWidget *()> mainWindow) : mainWindow_(std::move(mainWindow)) {}
    long long shownNs() const { return shownNs_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !posted_ && watched == mainWindow_()) {
            posted_ = true;
            QMetaObject::invokeMethod(
                this, [this] { shownNs_ = MonotonicNs(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<QWidget *()> mainWindow_;
    bool posted_ = false;
    long long shownNs_ = 0;
};

// Installs the probe; mainWindow gives the window to wait for (it may not
// exist yet when the probe is installed).  Prints when the main window's
// first frame was done and when the event loop was first about to wait with
// it exposed (all start-up work done), CLOCK_MONOTONIC ns, and the peak
// resident memory then, KiB (VmHWM); then ends the process at once.
inline void ReportWhenIdle(std::function<QWidget *()> mainWindow)
{
    // An application-wide filter sees the paint event before any filter the
    // program installs on its window.
    auto *frame = new FirstFrameProbe(mainWindow);
    qApp->installEventFilter(frame);
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, [mainWindow, frame] {
        const QWidget *window = mainWindow();
        if (!window || !window->windowHandle() || !window->windowHandle()->isExposed() || !frame->shownNs())
            return;
        const long long idle = MonotonicNs();
        std::printf("shown_ns=%lld idle_ns=%lld hwm_kib=%lld\n", frame->shownNs(), idle, PeakRssKiB());
        std::fflush(stdout);
        _exit(0);
    });
}

} // namespace velorix::bench
