#include "RegionalSettings.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>

#include <cwchar>
#include <windows.h>

namespace velorix {

namespace {

// Every top-level window receives the broadcast; each copy posts one
// LocaleChange, and reading the separator again is cheap.
class SettingsBroadcastFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        const auto *msg = static_cast<const MSG *>(message);
        if (msg->message == WM_SETTINGCHANGE && msg->lParam &&
            std::wcscmp(reinterpret_cast<const wchar_t *>(msg->lParam), L"intl") == 0)
            QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::LocaleChange));
        return false;
    }
};

} // namespace

void ListenForSettingsBroadcast()
{
    static SettingsBroadcastFilter filter;
    QCoreApplication::instance()->installNativeEventFilter(&filter);
}

} // namespace velorix
