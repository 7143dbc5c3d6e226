#include "RegionalSettings.h"

#include "Numeric.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
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

QChar SeparatorOf(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

void UpdateDecimalSeparator() { SetDecimalSeparator(SeparatorOf(QLocale::system())); }

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
