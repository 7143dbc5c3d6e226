// What both fuzz targets share: a check that aborts loudly, a printable form
// of a text, and the C library's conversions in the "C" locale, the
// independent reference the number module is held to.
#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace fuzz {

// The input being checked, printed with every failure.
inline std::string &CurrentInput()
{
    static std::string input;
    return input;
}

[[noreturn]] inline void Fail(const char *file, int line, const char *condition, const std::string &detail)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n  input: %s\n  %s\n", file, line, condition,
                 CurrentInput().c_str(), detail.c_str());
    std::fflush(stderr);
    std::abort();
}

// A text with every unit outside printable ASCII as \uXXXX, in quotes.
inline std::string Printable(const QString &text)
{
    std::string out = "\"";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != u'\\' && u != u'"') {
            out += static_cast<char>(u);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(u));
            out += buf;
        }
        if (out.size() > 200) {
            out += "...(" + std::to_string(text.size()) + " units)";
            break;
        }
    }
    return out + "\"";
}

inline locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

inline double StrToDouble(const std::string &ascii) { return strtod_l(ascii.c_str(), nullptr, CLocale()); }
inline long double StrToExtended(const std::string &ascii)
{
    return strtold_l(ascii.c_str(), nullptr, CLocale());
}

// printf of one long double in the "C" locale.
inline std::string PrintExtended(const char *format, long double v)
{
    const locale_t previous = uselocale(CLocale());
    char buf[128];
    std::snprintf(buf, sizeof buf, format, v);
    uselocale(previous);
    return buf;
}

} // namespace fuzz

#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::fuzz::Fail(__FILE__, __LINE__, #condition, (detail));                                          \
    } while (0)
