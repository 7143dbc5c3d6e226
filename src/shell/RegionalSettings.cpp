#include "RegionalSettings.h"

#include "Forms.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace velorix {

namespace {

class LocaleChangeWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LocaleChange)
            UpdateDecimalSeparator();
        return false;
    }
};

} // namespace

void WatchRegionalSettings()
{
    static QPointer<QObject> watch;
    if (watch)
        return;
    watch = new LocaleChangeWatch(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watch);
    ListenForSettingsBroadcast();
}

#ifndef Q_OS_WIN
void ListenForSettingsBroadcast() {}
#endif

} // namespace velorix
