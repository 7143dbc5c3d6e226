// Reads arbitrary text as a typed number.  The result must be a double or the
// conversion or overflow error, and it must agree with an independent
// reading: a grammar check of the syntax and the C library's correctly
// rounded conversion in the "C" locale.
//
// Input: the first byte's bit 0 picks the decimal separator ("." or ","),
// bits 1-2 how the other bytes become the text: UTF-8, raw UTF-16 units
// (lone surrogates, NULs and non-ASCII digits get through), Latin-1, or one
// character per byte from the characters the syntax is about.
#include "FuzzCheck.h"
#include "Numeric.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>

using velorix::CalcError;

namespace {

QString TextOf(const std::uint8_t *data, std::size_t size, int mode)
{
    const auto *chars = reinterpret_cast<const char *>(data);
    QString text;
    switch (mode) {
    case 0:
        return QString::fromUtf8(chars, static_cast<qsizetype>(size));
    case 1: // little-endian units; an odd last byte is a unit of its own
        text.reserve(static_cast<qsizetype>(size / 2 + 1));
        for (std::size_t i = 0; i + 1 < size; i += 2)
            text += QChar(static_cast<char16_t>(data[i] | data[i + 1] << 8));
        if (size % 2)
            text += QChar(static_cast<char16_t>(data[size - 1]));
        return text;
    case 2:
        return QString::fromLatin1(chars, static_cast<qsizetype>(size));
    default: {
        static const char16_t kAlphabet[32] = {
            u'0',      u'1',      u'2',   u'3',   u'4', u'5', u'6',  u'7',  u'8',      u'9',      u' ',
            u'+',      u'-',      u'.',   u',',   u'e', u'E', u'\t', u'\0', u'\u00A0', u'\u0660', u'\u0661',
            u'\uFF10', u'\uFF15', 0xD800, 0xDC00, u'x', u'n', u'i',  u'f',  u'0',      u'9'};
        text.reserve(static_cast<qsizetype>(size));
        for (std::size_t i = 0; i < size; ++i)
            text += QChar(kAlphabet[data[i] % 32]);
        return text;
    }
    }
}

// The syntax, read independently of the module: blanks (U+0020 only), a
// sign, integer digits, the separator and fraction digits, at least one
// character of those two, an exponent whose digits are read until its value
// reaches 500, trailing blanks, and nothing else.
struct Reading {
    bool number = false;
    bool negative = false;
    std::string digits;        // the mantissa's digits, integer and fraction
    std::int64_t fraction = 0; // how many of them follow the separator
    std::int64_t exponent = 0;
};

Reading Read(const QString &text, char16_t separator)
{
    Reading r;
    const char16_t *p = reinterpret_cast<const char16_t *>(text.utf16());
    const char16_t *const end = p + text.size();
    const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };

    while (p != end && *p == u' ')
        ++p;
    if (p != end && (*p == u'+' || *p == u'-'))
        r.negative = *p++ == u'-';
    const char16_t *const mantissa = p;
    for (; p != end && isDigit(*p); ++p)
        r.digits += static_cast<char>(*p);
    if (p != end && *p == separator) {
        for (++p; p != end && isDigit(*p); ++p) {
            r.digits += static_cast<char>(*p);
            ++r.fraction;
        }
    }
    if (p == mantissa)
        return r;
    if (p != end && (*p == u'e' || *p == u'E')) {
        ++p;
        bool negative = false;
        if (p != end && (*p == u'+' || *p == u'-'))
            negative = *p++ == u'-';
        std::int64_t e = 0;
        while (p != end && isDigit(*p)) {
            e = e * 10 + (*p++ - u'0');
            if (e >= 500)
                break;
        }
        r.exponent = negative ? -e : e;
    }
    while (p != end && *p == u' ')
        ++p;
    r.number = p == end;
    return r;
}

std::uint64_t Bits(double d)
{
    std::uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

std::string Describe(double d)
{
    return fuzz::PrintExtended("%.17Lg", d) + " (bits " + std::to_string(Bits(d)) + ")";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool initialised = [] {
        std::setlocale(LC_ALL, ""); // as the program runs: the C library follows the environment
        velorix::ResetFloatEnvironment();
        return true;
    }();
    (void)initialised;
    if (size == 0)
        return 0;

    const char16_t separator = data[0] & 1 ? u',' : u'.';
    const QString text = TextOf(data + 1, size - 1, data[0] >> 1 & 3);
    fuzz::CurrentInput() = fuzz::Printable(text) + " with separator '" + static_cast<char>(separator) + "'";

    // The reference: the exact decimal digits * 10^(exponent - fraction)
    // handed to the C library, which rounds correctly.
    const Reading r = Read(text, separator);
    const std::string ascii = std::string(r.negative ? "-" : "") + (r.digits.empty() ? "0" : r.digits) + "e" +
                              std::to_string(r.exponent - r.fraction);
    const bool inExtendedRange = r.number && std::isfinite(fuzz::StrToExtended(ascii));
    const double reference = inExtendedRange ? fuzz::StrToDouble(ascii) : 0.0;
    const bool overflows = inExtendedRange && std::isinf(reference);
    const double expected = reference == 0 ? 0.0 : reference; // no signed zero

    velorix::SetDecimalSeparator(QChar(separator));
    try {
        const long double v = velorix::ParseNumber(text).value();
        const double d = static_cast<double>(v);
        FUZZ_CHECK(inExtendedRange && !overflows,
                   "accepted, reference " + (r.number ? ascii : std::string("not a number")));
        FUZZ_CHECK(static_cast<long double>(d) == v, "the value is not a double");
        FUZZ_CHECK(Bits(d) == Bits(expected),
                   "value " + Describe(d) + ", reference " + ascii + " = " + Describe(expected));
    } catch (const CalcError &e) {
        if (e.kind() == CalcError::Kind::Overflow) {
            FUZZ_CHECK(overflows, "overflow error, reference " + ascii);
            FUZZ_CHECK(e.message() == QStringLiteral("Floating point overflow"), "overflow message");
        } else {
            FUZZ_CHECK(e.kind() == CalcError::Kind::Conversion,
                       "an error other than conversion or overflow: " + e.message().toStdString());
            FUZZ_CHECK(!inExtendedRange, "conversion error, reference " + ascii);
            FUZZ_CHECK(e.message() == QStringLiteral("'") + text +
                                          QStringLiteral("' is not a valid floating point value"),
                       "message " + fuzz::Printable(e.message()));
        }
    } catch (...) {
        FUZZ_CHECK(false, "an exception that is not a CalcError");
    }
    return 0;
}
