// The decimal separator follows the user's regional settings while the
// program runs: a LocaleChange that reaches the application reads it again.
// Windows announces a change with a broadcast (WM_SETTINGCHANGE, "intl")
// that Qt does not turn into a LocaleChange; there a native event filter
// does.
#pragma once

#include <QChar>

class QLocale;

namespace velorix {

// The decimal separator of the given regional settings: "." when they have none.
QChar SeparatorOf(const QLocale &locale);

// Reads the separator of the user's regional settings again.
void UpdateDecimalSeparator();

// Once per application; later calls do nothing.
void WatchRegionalSettings();

// The platform's own notice of changed settings, turned into a LocaleChange
// posted to the application (RegionalSettings_win.cpp; nothing elsewhere).
void ListenForSettingsBroadcast();

} // namespace velorix
