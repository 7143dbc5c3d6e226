// The language the program speaks: Russian, its own, or the language of the
// translation the shell chose at start-up from the user's interface
// languages.  Whatever the kit draws in words (pictures among them) follows
// it; the numbers do not: their separator follows the regional settings.
#pragma once

#include <QString>

namespace velorix {

// "ru" for the Russian edition, otherwise the language code of the
// translation in use ("en").  Russian until the shell says otherwise.
QString EditionLanguage();

// Set once at start-up, before any window is built.
void SetEditionLanguage(const QString &language);

} // namespace velorix
