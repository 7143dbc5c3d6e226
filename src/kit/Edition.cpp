#include "Edition.h"

namespace velorix {

namespace {
QString &Language()
{
    static QString language = QStringLiteral("ru");
    return language;
}
} // namespace

QString EditionLanguage() { return Language(); }

void SetEditionLanguage(const QString &language) { Language() = language; }

} // namespace velorix
