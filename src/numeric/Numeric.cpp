#include "Numeric.h"

#include "FloatControl.h"
#if VELORIX_X87
#include "ExpKernel.h"
#else
#include "SoftExtended.h"
#endif

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace velorix {

CalcError::CalcError(Kind kind, QString message)
    : kind_(kind), message_(std::move(message)), what_(message_.toUtf8())
{
}

CalcError CalcError::conversion(const QString &fieldText)
{
    return CalcError(Kind::Conversion,
                     QStringLiteral("'%1' is not a valid floating point value").arg(fieldText));
}

CalcError CalcError::divisionByZero()
{
    return CalcError(Kind::DivisionByZero, QStringLiteral("Floating point division by zero"));
}

CalcError CalcError::invalidOperation()
{
    return CalcError(Kind::InvalidOperation, QStringLiteral("Invalid floating point operation"));
}

CalcError CalcError::overflow()
{
    return CalcError(Kind::Overflow, QStringLiteral("Floating point overflow"));
}

namespace {

// Every operand is finite, so a NaN can only come from an invalid operation
// and an infinity only from leaving the extended range.
Ext Checked(long double r)
{
    if (std::isnan(r))
        throw CalcError::invalidOperation();
    if (std::isinf(r))
        throw CalcError::overflow();
    return Ext(r);
}

QChar g_separator = QLatin1Char('.');
std::vector<std::function<void(QChar)>> g_separatorListeners;

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The decimal digits of (2^65 - 1) * 2^16319, the midpoint between the
// largest extended value, (2^64 - 1) * 2^16320, and 2^16384: a number at or
// above it rounds to infinity (a tie rounds to the even, infinite side).
const std::string &ExtendedOverflowThreshold()
{
    static const std::string digits = [] {
        // Base 10^9 limbs, least significant first; doubled 29 bits at a time.
        std::vector<std::uint64_t> limbs{419103231, 893488147, 36}; // 2^65 - 1
        for (int bits = 16319; bits > 0; bits -= 29) {
            const int shift = bits < 29 ? bits : 29;
            std::uint64_t carry = 0;
            for (std::uint64_t &limb : limbs) {
                const std::uint64_t v = (limb << shift) + carry;
                limb = v % 1000000000;
                carry = v / 1000000000;
            }
            while (carry) {
                limbs.push_back(carry % 1000000000);
                carry /= 1000000000;
            }
        }
        std::string text = std::to_string(limbs.back());
        for (auto it = limbs.rbegin() + 1; it != limbs.rend(); ++it) {
            const std::string part = std::to_string(*it);
            text += std::string(9 - part.size(), '0') + part;
        }
        return text;
    }();
    return digits;
}

// Whether d1.d2d3... * 10^scientific (d1 not 0) rounds beyond the extended
// range, decided exactly on the digits, as a correctly rounding conversion
// would (the C libraries' long double conversions are not all exact).
bool BeyondExtendedRange(const std::string &significant, std::int64_t scientific)
{
    constexpr std::int64_t kThresholdExponent = 4932; // 1.1897...e4932, 4933 digits
    if (scientific != kThresholdExponent)
        return scientific > kThresholdExponent;
    // Digit strings without trailing zeros compare as the numbers do (the
    // threshold ends in a non-zero digit, being 2^16319 times an odd number).
    return significant.compare(ExtendedOverflowThreshold()) >= 0;
}

} // namespace

void ResetFloatEnvironment()
{
    std::feclearexcept(FE_ALL_EXCEPT);
    std::fesetround(FE_TONEAREST);
    // Other code in the process (a driver, a plug-in) may have lowered the
    // x87 precision, unmasked an exception or set flushing to zero.
    SetFloatControlWord(kExtendedControlWord);
}

std::optional<CalcError> CatchCalcError(const std::function<void()> &work)
{
    try {
        work();
        return std::nullopt;
    } catch (const CalcError &e) {
        ResetFloatEnvironment();
        return e;
    }
}

#if VELORIX_X87
Ext operator+(Ext a, Ext b) { return Checked(a.v_ + b.v_); }
Ext operator-(Ext a, Ext b) { return Checked(a.v_ - b.v_); }
Ext operator*(Ext a, Ext b) { return Checked(a.v_ * b.v_); }
#else
Ext operator+(Ext a, Ext b) { return Checked(soft::Add(a.v_, b.v_)); }
Ext operator-(Ext a, Ext b) { return Checked(soft::Sub(a.v_, b.v_)); }
Ext operator*(Ext a, Ext b) { return Checked(soft::Mul(a.v_, b.v_)); }
#endif

Ext operator/(Ext a, Ext b)
{
    if (b.v_ == 0.0L) {
        if (a.v_ == 0.0L)
            throw CalcError::invalidOperation();
        throw CalcError::divisionByZero();
    }
#if VELORIX_X87
    return Checked(a.v_ / b.v_);
#else
    return Checked(soft::Div(a.v_, b.v_));
#endif
}

#if VELORIX_X87
std::array<std::uint8_t, 10> X87Bytes(Ext x)
{
    const long double v = x.value();
    std::array<std::uint8_t, 10> bytes;
    std::memcpy(bytes.data(), &v, bytes.size());
    return bytes;
}

Ext FromX87Bytes(const std::array<std::uint8_t, 10> &bytes)
{
    std::uint64_t significand;
    std::memcpy(&significand, bytes.data(), 8);
    constexpr std::uint64_t kIntegerBit = std::uint64_t(1) << 63;
    if ((bytes[8] | (bytes[9] & 0x7F)) == 0)
        significand &= ~kIntegerBit;
    else
        significand |= kIntegerBit;
    unsigned char storage[sizeof(long double)] = {};
    std::memcpy(storage, &significand, 8);
    std::memcpy(storage + 8, bytes.data() + 8, 2);
    long double v;
    std::memcpy(&v, storage, sizeof v);
    return Ext(v);
}
#else
std::array<std::uint8_t, 10> X87Bytes(Ext x) { return soft::Bytes(x.value()); }
Ext FromX87Bytes(const std::array<std::uint8_t, 10> &bytes) { return Ext(soft::FromBytes(bytes)); }
#endif

Ext Store(Ext x)
{
    const double d = static_cast<double>(x.value());
    if (std::isinf(d))
        throw CalcError::overflow();
    return Ext(d);
}

Ext Sqrt(Ext x)
{
    if (x < 0)
        throw CalcError::invalidOperation();
#if VELORIX_X87
    return Ext(std::sqrt(x.value()));
#else
    return Ext(soft::Sqrt(x.value()));
#endif
}

#if VELORIX_X87
Ext Exp(Ext x) { return Checked(detail::ExpOf(x.value())); }
#else
Ext Exp(Ext x) { return Checked(soft::Exp(x.value())); }
#endif

std::int64_t RoundToInt(Ext x)
{
    // nearbyint rounds to nearest, ties to even, in the default rounding mode.
    const long double r = std::nearbyint(x.value());
    constexpr long double kTwo63 = 9223372036854775808.0L;
    if (!(r >= -kTwo63 && r < kTwo63))
        throw CalcError::invalidOperation();
    return static_cast<std::int64_t>(r);
}

Ext ArcCos(Ext x)
{
    const Ext s = Sqrt((1 + x) * (1 - x));
#if VELORIX_X87
    return Ext(std::atan2(s.value(), x.value())); // radians, 0 to pi
#else
    return Ext(soft::Atan2(s.value(), x.value()));
#endif
}

std::int32_t CeilToInt32(Ext x)
{
    // The range test is made on the exact ceiling in extended precision, so
    // no integer is formed before it is known to fit (a NaN fails it too).
    const long double whole = std::trunc(x.value());
    const long double count = x.value() - whole > 0 ? whole + 1 : whole;
    if (!(count >= -2147483648.0L && count <= 2147483647.0L))
        throw CalcError::invalidOperation();
    return static_cast<std::int32_t>(count);
}

QChar DecimalSeparator() { return g_separator; }

void SetDecimalSeparator(QChar separator)
{
    const QChar before = g_separator;
    g_separator = separator;
    if (separator != before) {
        for (const auto &listener : g_separatorListeners)
            listener(before);
    }
}

void OnDecimalSeparatorChange(std::function<void(QChar before)> listener)
{
    g_separatorListeners.push_back(std::move(listener));
}

Ext ParseNumber(const QString &text)
{
    const QChar sep = g_separator;
    const qsizetype n = text.size();
    qsizetype i = 0;
    const auto notANumber = [&text] { return CalcError::conversion(text); };

    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }

    // Mantissa digits, integer and fraction together, and how many of them
    // follow the separator.
    std::string digits;
    std::int64_t fractionDigits = 0;
    bool mantissa = false;
    while (i < n && IsDigit(text[i])) {
        digits += static_cast<char>(text[i].unicode());
        mantissa = true;
        ++i;
    }
    if (i < n && text[i] == sep) {
        mantissa = true;
        ++i;
        while (i < n && IsDigit(text[i])) {
            digits += static_cast<char>(text[i].unicode());
            ++fractionDigits;
            ++i;
        }
    }
    if (!mantissa)
        throw notANumber();

    // Exponent: its digits are read while its value is below 500; the digit
    // that takes it to 500 or more is the last one read.
    std::int64_t exponent = 0;
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            negativeExponent = text[i] == QLatin1Char('-');
            ++i;
        }
        while (i < n && IsDigit(text[i]) && exponent < 500) {
            exponent = exponent * 10 + (text[i].unicode() - '0');
            ++i;
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    if (i != n)
        throw notANumber();

    // value = digits * 10^(exponent - fractionDigits); reduce it to the
    // significant digits d1.d2d3... * 10^scientific.
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return Ext(0.0); // a signed zero reads as zero
    const auto last = digits.find_last_not_of('0');
    const std::int64_t trailingZeros = static_cast<std::int64_t>(digits.size() - 1 - last);
    const std::string significant = digits.substr(first, last - first + 1);
    const std::int64_t scientific =
        static_cast<std::int64_t>(significant.size()) - 1 + exponent - fractionDigits + trailingZeros;

    // Far below the smallest subnormal double; also keeps the text short.
    if (scientific < -400)
        return Ext(0.0);
    // Far beyond the extended range (about 1.19e4932).
    if (scientific > 5000)
        throw notANumber();

    std::string canonical(1, significant[0]);
    if (significant.size() > 1) {
        canonical += '.';
        canonical.append(significant, 1);
    }
    canonical += 'e';
    canonical += std::to_string(scientific);
    const char *begin = canonical.data();
    const char *end = begin + canonical.size();

    if (BeyondExtendedRange(significant, scientific))
        throw notANumber();
    double value = 0;
    if (std::from_chars(begin, end, value).ec == std::errc::result_out_of_range) {
        if (scientific > 0)
            throw CalcError::overflow();
        value = 0; // underflow: below half the smallest subnormal
    }
    if (value == 0)
        return Ext(0.0); // underflow to zero keeps no sign either
    return Ext(negative ? -value : value);
}

QString FormatNumber(Ext x) { return FormatSignificant(x, 15); }

QString FormatSignificant(Ext x, int significant)
{
    significant = std::clamp(significant, 1, 15);
    const long double v = x.value();
    if (std::isnan(v))
        throw CalcError::invalidOperation();
    if (std::isinf(v))
        throw CalcError::overflow();
    if (v == 0.0L)
        return QStringLiteral("0");

    // The first 18 significant digits, correctly rounded: "d.ddd...e+X".
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 17);
    const std::string text(buf, res.ptr);
    const auto ePos = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2); // 18 digits
    int e = std::stoi(text.substr(ePos + 1)) + 1;                      // 0.d1d2... * 10^e

    // Round the 18 digits to the wanted ones on the next digit alone.
    const bool up = digits[size_t(significant)] >= '5';
    digits.resize(size_t(significant));
    if (up) {
        int k = significant - 1;
        while (k >= 0 && digits[k] == '9')
            digits[k--] = '0';
        if (k >= 0) {
            ++digits[k];
        } else {
            digits = "1";
            ++e;
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    const QChar sep = g_separator;
    QString out;
    if (v < 0)
        out += QLatin1Char('-');
    const auto d = QString::fromLatin1(digits);
    if (e > significant || e < -3) {
        out += d[0];
        if (d.size() > 1) {
            out += sep;
            out += d.mid(1);
        }
        out += QLatin1Char('E');
        out += QString::fromLatin1(std::to_string(e - 1));
    } else if (e <= 0) {
        out += QLatin1Char('0');
        out += sep;
        out += QString(-e, QLatin1Char('0'));
        out += d;
    } else {
        out += d.left(e);
        if (d.size() < e)
            out += QString(e - d.size(), QLatin1Char('0'));
        if (d.size() > e) {
            out += sep;
            out += d.mid(e);
        }
    }
    return out;
}

QString FormatFixed(Ext x, int decimals)
{
    const long double v = x.value();
    if (std::isnan(v))
        throw CalcError::invalidOperation();
    if (std::isinf(v))
        throw CalcError::overflow();
    char buf[5000]; // the largest extended value has 4933 integer digits
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed,
                                   std::clamp(decimals, 0, 18));
    QString out = QString::fromLatin1(buf, res.ptr - buf);
    out.replace(QLatin1Char('.'), g_separator);
    if (v < 0 && std::any_of(buf, res.ptr, [](char c) { return c >= '1' && c <= '9'; }))
        out.prepend(QLatin1Char('-'));
    return out;
}

} // namespace velorix
