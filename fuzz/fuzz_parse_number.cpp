// Reads arbitrary text as a typed number.  The result must be a double or the
// conversion or overflow error, and it must agree with an independent
// reading: a grammar check of the syntax and the C library's correctly
// rounded conversion in the "C" locale.
//
// Input: the first byte's bit 0 picks the decimal separator ("." or ","),
// bits 1-2 how the other bytes become the text: UTF-8, raw UTF-16 units
// (lone surrogates, NULs and non-ASCII digits get through), Latin-1, or one
// character per byte from the characters the syntax is about.  With bit 3
// set, the other bytes instead pick a binary value and the text is the exact
// decimal of it, of the midpoint between it and the next value up, or of a
// hair above or below that midpoint: the ties and near-ties that random
// bytes almost never spell out.
#include "FuzzCheck.h"
#include "Numeric.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

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

// Bytes: flags, then the bit pattern (8 bytes of a double or 10 of a long
// double).  Flags: bit 0 long double, bits 1-2 the value itself / the
// midpoint / above it / below it, bit 3 negative, bit 4 exponent form,
// bits 5-7 how far off the midpoint (2^-1 to 2^-57 of the value's ulp).
QString NearTieText(const std::uint8_t *data, std::size_t size, char16_t separator)
{
    std::uint8_t bytes[11] = {};
    std::memcpy(bytes, data, std::min(size, sizeof bytes));
    const unsigned flags = bytes[0];
    std::uint64_t significand;
    std::memcpy(&significand, bytes + 1, 8);
    int ulpExponent;
    if (flags & 1) {
        // Long double: the exponents around double's range, or the top of
        // the extended range.
        std::uint16_t raw;
        std::memcpy(&raw, bytes + 9, 2);
        const int biased = raw & 0x4000 ? 0x7FFE - (raw & 7) : 0x3FFF - 1100 + raw % 2200;
        significand |= std::uint64_t(1) << 63;
        ulpExponent = biased - 16383 - 63;
    } else {
        int biased = static_cast<int>(significand >> 52 & 0x7FF);
        if (biased == 0x7FF)
            biased = 0x7FE;
        significand &= (std::uint64_t(1) << 52) - 1;
        if (biased)
            significand |= std::uint64_t(1) << 52;
        ulpExponent = (biased ? biased : 1) - 1075;
    }
    const int off = static_cast<int>(flags >> 5) * 8 + 1;
    unsigned __int128 k = significand;
    int p = ulpExponent;
    switch (flags >> 1 & 3) {
    case 1:
        k = 2 * k + 1;
        p -= 1;
        break;
    case 2:
        k = ((2 * k + 1) << off) + 1;
        p -= 1 + off;
        break;
    case 3:
        k = ((2 * k + 1) << off) - 1;
        p -= 1 + off;
        break;
    default:
        break;
    }
    int q;
    std::string digits = fuzz::ExactDecimal(k, p, q);
    std::string text = flags & 8 ? "-" : "";
    if (flags & 16 && q > 0) {
        text += digits + "e-" + std::to_string(q);
    } else if (q == 0) {
        text += digits;
    } else if (digits.size() > static_cast<std::size_t>(q)) {
        text += digits.substr(0, digits.size() - q) + '.' + digits.substr(digits.size() - q);
    } else {
        text += "0." + std::string(q - digits.size(), '0') + digits;
    }
    QString out = QString::fromLatin1(text);
    out.replace(QLatin1Char('.'), QChar(separator));
    return out;
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
    fuzz::StartOnce();
    if (size == 0)
        return 0;

    const char16_t separator = data[0] & 1 ? u',' : u'.';
    const QString text = data[0] & 8 ? NearTieText(data + 1, size - 1, separator)
                                     : TextOf(data + 1, size - 1, data[0] >> 1 & 3);
    fuzz::CurrentInput() = fuzz::Printable(text) + " with separator '" + static_cast<char>(separator) + "'";

    // The reference: the exact decimal digits * 10^(exponent - fraction)
    // handed to the C library, which rounds correctly.
    const Reading r = Read(text, separator);
    const std::int64_t e = r.exponent - r.fraction;
    const std::string ascii =
        std::string(r.negative ? "-" : "") + (r.digits.empty() ? "0" : r.digits) + "e" + std::to_string(e);
    const bool inExtendedRange = r.number && fuzz::WithinExtended(r.digits, e);
    const double magnitude = inExtendedRange ? fuzz::NearestDouble(r.digits, e) : 0.0;
    const bool overflows = inExtendedRange && std::isinf(magnitude);
    const double expected = r.negative && magnitude != 0 ? -magnitude : magnitude; // no signed zero

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
