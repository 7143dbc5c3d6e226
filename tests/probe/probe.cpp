// A Qt generic plugin for the package test: loaded into the installed
// program through QT_QPA_GENERIC_PLUGINS=velorixprobe, it waits until the
// first top-level window is shown and exposed, writes what the program shows
// to standard error, and ends the program normally.
#include <QApplication>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

class Probe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !reported_) {
            auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed())
                QTimer::singleShot(0, this, &Probe::Report);
        }
        return false;
    }

private:
    void Report()
    {
        if (reported_)
            return;
        reported_ = true;
        for (const QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                std::fprintf(stderr, "shown: %s \"%s\" %dx%d\n", qPrintable(w->objectName()),
                             qPrintable(w->windowTitle()), w->width(), w->height());
        }
        std::fprintf(stderr, "application: \"%s\" %s %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(QCoreApplication::applicationVersion()),
                     qPrintable(QGuiApplication::desktopFileName()));
        std::fflush(stderr);
        QCoreApplication::quit();
    }

    bool reported_ = false;
};

class ProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")
public:
    QObject *create(const QString &, const QString &) override
    {
        auto *probe = new Probe; // the application deletes its generic plugins' objects
        qApp->installEventFilter(probe);
        return probe;
    }
};

} // namespace

#include "probe.moc"
