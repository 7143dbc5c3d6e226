// The decimal separator follows the user's regional settings while the
// program runs: a LocaleChange that reaches the application reads it again.
// Windows announces a change with a broadcast (WM_SETTINGCHANGE, "intl")
// that Qt does not turn into a LocaleChange; there a native event filter
// does.
#pragma once

namespace velorix {

// Once per application; later calls do nothing.
void WatchRegionalSettings();

// The platform's own notice of changed settings, turned into a LocaleChange
// posted to the application (RegionalSettings_win.cpp; nothing elsewhere).
void ListenForSettingsBroadcast();

} // namespace velorix
