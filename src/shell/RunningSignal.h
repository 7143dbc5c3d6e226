// The sign, for the installer and the uninstaller, that Velorix runs: on
// Windows two named mutexes, Local\ (this session) and Global\ (every
// session), named after the application id and held until the process ends
// (RunningSignal_win.cpp).  The installer looks for either before it changes
// a file.  Elsewhere there is nothing to signal.
#pragma once

namespace velorix {

#ifdef _WIN32
// Once per process; later calls do nothing.
void SignalRunning();
#else
inline void SignalRunning() {}
#endif

} // namespace velorix
