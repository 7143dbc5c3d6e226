// Shows arbitrary bit patterns of double and of long double in the general
// format.  A NaN must raise the invalid-operation error and an infinity the
// overflow error; every finite value must give a text of the format, with the
// digits of an independent reference (the C library's 18 correctly rounded
// digits, rounded again to 15 on the 16th), and, for values in the normal
// range of double, a text that reads back to a value showing the same text.
//
// Input: the first byte's bit 0 picks the decimal separator ("." or ","),
// bit 1 the type (double: 8 bytes follow; long double: 10 bytes, the 64-bit
// significand then sign and exponent); missing bytes are zero, extra bytes
// are ignored.
#include "FuzzCheck.h"
#include "Numeric.h"

#include <array>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>

using velorix::CalcError;

namespace {

// What the text should show: the significant digits without trailing zeros
// and the exponent E with the value 0.d1d2... * 10^E.
struct Shown {
    std::string digits;
    int e = 0;
};

Shown Reference(long double magnitude)
{
    // "d.ddddddddddddddddde+X": 18 correctly rounded digits.
    const std::string printed = fuzz::PrintExtended("%.17Le", magnitude);
    std::uint64_t n = printed[0] - '0';
    for (int i = 2; i < 19; ++i)
        n = n * 10 + static_cast<std::uint64_t>(printed[i] - '0');
    Shown s;
    s.e = std::atoi(printed.c_str() + 20) + 1;
    // Fifteen digits, rounded up when the 16th is 5 or more.
    std::uint64_t m = n / 1000 + (n % 1000 >= 500 ? 1 : 0);
    if (m == 1000000000000000) {
        m = 100000000000000;
        ++s.e;
    }
    s.digits = std::to_string(m);
    while (s.digits.back() == '0')
        s.digits.pop_back();
    return s;
}

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Reads a shown text by the general format; false when it breaks the format.
bool ReadShown(const QString &t, QChar sep, bool &negative, Shown &s, std::string &why)
{
    qsizetype i = 0;
    negative = i < t.size() && t[i] == QLatin1Char('-');
    if (negative)
        ++i;
    QString intPart, fracPart, expPart;
    bool hasSep = false, hasExp = false, expNegative = false;
    while (i < t.size() && IsDigit(t[i]))
        intPart += t[i++];
    if (i < t.size() && t[i] == sep) {
        hasSep = true;
        for (++i; i < t.size() && IsDigit(t[i]);)
            fracPart += t[i++];
    }
    if (i < t.size() && t[i] == QLatin1Char('E')) {
        hasExp = true;
        ++i;
        if (i < t.size() && t[i] == QLatin1Char('-')) {
            expNegative = true;
            ++i;
        }
        while (i < t.size() && IsDigit(t[i]))
            expPart += t[i++];
    }
    if (i != t.size())
        return why = "characters outside the format", false;
    if (hasSep && (fracPart.isEmpty() || fracPart.back() == QLatin1Char('0')))
        return why = "empty fraction or trailing zero after the separator", false;
    if (intPart.isEmpty())
        return why = "no integer digit", false;

    QString digits;
    if (hasExp) {
        if (intPart.size() != 1 || intPart[0] == QLatin1Char('0'))
            return why = "exponent form needs one non-zero leading digit", false;
        if (expPart.isEmpty() || expPart[0] == QLatin1Char('0'))
            return why = "empty exponent or leading zero in it", false;
        if (expPart.size() > 5)
            return why = "exponent too long", false;
        s.e = expPart.toInt() * (expNegative ? -1 : 1) + 1;
        if (!(s.e > 15 || s.e < -3))
            return why = "exponent form for E from -3 to 15", false;
        digits = intPart + fracPart;
    } else if (intPart == QLatin1String("0")) {
        if (!hasSep)
            return why = "0 shown for a non-zero value", false;
        qsizetype zeros = 0;
        while (zeros < fracPart.size() && fracPart[zeros] == QLatin1Char('0'))
            ++zeros;
        s.e = -static_cast<int>(zeros);
        if (s.e < -3)
            return why = "more than three zeros after the separator", false;
        digits = fracPart.mid(zeros);
    } else {
        if (intPart[0] == QLatin1Char('0'))
            return why = "leading zero", false;
        if (intPart.size() > 15)
            return why = "positional form for E above 15", false;
        s.e = static_cast<int>(intPart.size());
        digits = intPart + fracPart;
    }
    while (!digits.isEmpty() && digits.back() == QLatin1Char('0'))
        digits.chop(1);
    if (digits.isEmpty() || digits.size() > 15)
        return why = "no or more than 15 significant digits", false;
    s.digits = digits.toStdString();
    return true;
}

void Check(long double v, QChar sep)
{
    fuzz::CurrentInput() = fuzz::PrintExtended("%La", v) + " = " + fuzz::PrintExtended("%.21Lg", v) +
                           " with separator '" + static_cast<char>(sep.unicode()) + "'";
    velorix::SetDecimalSeparator(sep);

    if (!std::isfinite(v)) {
        try {
            velorix::FormatNumber(v);
        } catch (const CalcError &e) {
            FUZZ_CHECK(e.kind() ==
                           (std::isnan(v) ? CalcError::Kind::InvalidOperation : CalcError::Kind::Overflow),
                       "error " + e.message().toStdString());
            return;
        } catch (...) {
        }
        FUZZ_CHECK(false, "a non-finite value did not raise its CalcError");
    }

    QString text;
    try {
        text = velorix::FormatNumber(v);
    } catch (...) {
        FUZZ_CHECK(false, "FormatNumber raised for a finite value");
    }
    const std::string shown = fuzz::Printable(text);
    if (v == 0) {
        FUZZ_CHECK(text == QLatin1String("0"), "zero shown as " + shown);
        return;
    }
    FUZZ_CHECK(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                   !text.contains(QLatin1String("inf"), Qt::CaseInsensitive),
               "shown " + shown);

    bool negative = false;
    Shown s;
    std::string why;
    FUZZ_CHECK(ReadShown(text, sep, negative, s, why), "shown " + shown + ": " + why);
    FUZZ_CHECK(negative == std::signbit(v), "sign of " + shown);
    const Shown ref = Reference(std::fabs(v));
    FUZZ_CHECK(s.digits == ref.digits && s.e == ref.e,
               "shown " + shown + ", reference digits " + ref.digits + " E " + std::to_string(ref.e));

    // Text -> value -> text, for values in the normal range of double.
    const long double magnitude = std::fabs(v);
    if (magnitude < DBL_MIN || magnitude > DBL_MAX)
        return;
    const bool beyondDouble =
        std::isinf(fuzz::NearestDouble(s.digits, s.e - static_cast<std::int64_t>(s.digits.size())));
    try {
        const velorix::Ext back = velorix::ParseNumber(text);
        FUZZ_CHECK(!beyondDouble, "read back " + shown + " beyond the largest double without an error");
        const QString again = velorix::FormatNumber(back);
        FUZZ_CHECK(again == text, "shown " + shown + ", read back and shown " + fuzz::Printable(again));
    } catch (const CalcError &e) {
        FUZZ_CHECK(beyondDouble && e.kind() == CalcError::Kind::Overflow,
                   "reading back " + shown + ": " + e.message().toStdString());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::StartOnce();
    if (size == 0)
        return 0;

    std::array<std::uint8_t, 10> bytes{};
    std::memcpy(bytes.data(), data + 1, std::min<std::size_t>(size - 1, bytes.size()));
    const QChar sep = data[0] & 1 ? QLatin1Char(',') : QLatin1Char('.');
    if (data[0] & 2) {
        // The encodings that arithmetic never produces are read as the
        // nearest that it does (FromX87Bytes).
        Check(velorix::FromX87Bytes(bytes).value(), sep);
    } else {
        double d;
        std::memcpy(&d, bytes.data(), sizeof d);
        Check(d, sep);
    }
    return 0;
}
