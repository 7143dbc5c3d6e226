#include "RunningSignal.h"

#include <QString>

#include <windows.h>

namespace velorix {

void SignalRunning()
{
    static bool signalled = false;
    if (signalled)
        return;
    signalled = true;
    // The handles stay open: Windows closes them, and so ends the signal,
    // when the process ends, however it ends.  A Global\ mutex needs no
    // privilege; where one cannot be made, the Local\ one still shows.
    for (const char *ns : {"Local\\", "Global\\"}) {
        const QString name = QLatin1String(ns) + QLatin1String(VELORIX_APP_ID);
        CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t *>(name.utf16()));
    }
}

} // namespace velorix
