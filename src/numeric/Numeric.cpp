#include "Numeric.h"

#include "FloatControl.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
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
    // x87 precision or unmasked an exception.
    SetFloatControlWord(kExtendedControlWord);
}

Ext operator+(Ext a, Ext b) { return Checked(a.v_ + b.v_); }
Ext operator-(Ext a, Ext b) { return Checked(a.v_ - b.v_); }
Ext operator*(Ext a, Ext b) { return Checked(a.v_ * b.v_); }

Ext operator/(Ext a, Ext b)
{
    if (b.v_ == 0.0L) {
        if (a.v_ == 0.0L)
            throw CalcError::invalidOperation();
        throw CalcError::divisionByZero();
    }
    return Checked(a.v_ / b.v_);
}

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
    return Ext(std::sqrt(x.value()));
}

// exp(x) from arithmetic alone, so that it gives the same bits wherever the
// x87 format and IEEE rounding do (glibc's and MinGW's expl differ in the last
// bits).  x = (64m + j) ln2/64 + r with |r| <= ln2/128 reduced exactly, then
// exp(x) = 2^m * 2^(j/64) * (1 + p(r)), p a degree-8 Taylor polynomial
// (truncation below 2^-75), 2^(j/64) held as hi + lo.  The constants are the
// exact values rounded to the extended format (tools/exp-reference.py table).
namespace {

constexpr long double kLn2By64Hi = 0x58B90BFBE8Ep-49L;
constexpr long double kLn2By64Lo = 0xF79ABC9E3B39803Fp-114L;
constexpr long double k64ByLn2 = 0xB8AA3B295C17F0BCp-57L;
// 2^(j/64) = hi + lo, j = 0..63
constexpr long double kExp2Table[64][2] = {
    {0x8000000000000000p-63L, 0.0L},
    {0x8164D1F3BC030773p-63L, 0xF7CACA4F7A29BDE9p-128L},
    {0x82CD8698AC2BA1D7p-63L, 0xF8A91D6D19482FFDp-129L},
    {0x843A28C3ACDE4046p-63L, 0xD7C976509FE8AC10p-130L},
    {0x85AAC367CC487B15p-63L, -0xE8DA91CF7AACF938p-129L},
    {0x871F61969E8D1010p-63L, 0xE85C9F15ED4AA559p-129L},
    {0x88980E8092DA8527p-63L, 0xBBF1AED9318CEAC6p-128L},
    {0x8A14D575496EFD9Ap-63L, 0x80CA1D92C3680C22p-131L},
    {0x8B95C1E3EA8BD6E7p-63L, -0x8373AF14EB586DFDp-132L},
    {0x8D1ADF5B7E5BA9E6p-63L, -0x967096D2E37CA594p-128L},
    {0x8EA4398B45CD53C0p-63L, 0xB70051321E0F5317p-129L},
    {0x9031DC431466B1DCp-63L, 0xEEB02950929D0FC5p-128L},
    {0x91C3D373AB11C336p-63L, 0xFD6D8E0AE5AC9D82p-131L},
    {0x935A2B2F13E6E92Cp-63L, -0xB319AFC589B6C463p-129L},
    {0x94F4EFA8FEF70961p-63L, 0xBA2BEB4495477951p-129L},
    {0x96942D3720185A00p-63L, 0x91D536D07538458Ap-128L},
    {0x9837F0518DB8A96Fp-63L, 0x8D5A46305C85EDEDp-128L},
    {0x99E0459320B7FA65p-63L, -0xDE7BC9A65A501A8Cp-130L},
    {0x9B8D39B9D54E5539p-63L, -0xBAAFD0BAB86781C2p-128L},
    {0x9D3ED9A72CFFB751p-63L, -0x86DACC3EBC5993D4p-129L},
    {0x9EF5326091A111AEp-63L, -0xBEDDC1EC288C045Dp-128L},
    {0xA0B0510FB9714FC2p-63L, 0xC96E3CF6D87ECD4Cp-130L},
    {0xA27043030C496819p-63L, -0xC90BF620FE6042B1p-128L},
    {0xA43515AE09E6809Ep-63L, 0xD1DB4831781E1EECp-131L},
    {0xA5FED6A9B15138EAp-63L, 0xE5EBFB10B88380D9p-130L},
    {0xA7CD93B4E965356Ap-63L, -0xC2749655F8C11AA2p-128L},
    {0xA9A15AB4EA7C0EF8p-63L, 0xA83C49D86A63F4E6p-128L},
    {0xAB7A39B5A93ED337p-63L, 0xCB004764EB3C00F3p-128L},
    {0xAD583EEA42A14AC6p-63L, 0x93015191EB345D89p-128L},
    {0xAF3B78AD690A4375p-63L, -0x8367BF8CD132BF35p-129L},
    {0xB123F581D2AC2590p-63L, -0xF05F902D25BD44E3p-128L},
    {0xB311C412A9112489p-63L, 0xFB3C5371E6294670p-129L},
    {0xB504F333F9DE6484p-63L, 0xB2FB1366EA957D3Ep-128L},
    {0xB6FD91E328D17791p-63L, 0xE2CBE1BBAA834B3Fp-132L},
    {0xB8FBAF4762FB9EE9p-63L, 0xDC3CBBC2B35B2D0Dp-130L},
    {0xBAFF5AB2133E45FBp-63L, 0xE9AA33A48B270718p-128L},
    {0xBD08A39F580C36BFp-63L, -0xAEFDC09325E0A10Cp-128L},
    {0xBF1799B67A731083p-63L, -0xBF517AA1A07A3D7Bp-130L},
    {0xC12C4CCA66709456p-63L, 0xF88AFAB34A010F6Bp-128L},
    {0xC346CCDA24976407p-63L, 0x83B21584A2E0E90Ap-129L},
    {0xC5672A115506DADDp-63L, 0xF8AB432593767CDEp-129L},
    {0xC78D74C8ABB9B15Dp-63L, -0xFB17471A24FF6207p-129L},
    {0xC9B9BD866E2F27A3p-63L, -0xFE3C0DABF5DD2D04p-128L},
    {0xCBEC14FEF2727C5Dp-63L, -0xB6F8370BA1409231p-131L},
    {0xCE248C151F8480E4p-63L, -0xEE53E3835069C895p-130L},
    {0xD06333DAEF2B2595p-63L, -0xA4AE8E6A996CABF8p-129L},
    {0xD2A81D91F12AE45Ap-63L, 0x912472BE1EF20143p-130L},
    {0xD4F35AABCFEDFA1Fp-63L, 0xB243BDFF4C4C58B5p-128L},
    {0xD744FCCAD69D6AF4p-63L, 0xE69A2EE640B4FF78p-129L},
    {0xD99D15C278AFD7B6p-63L, -0xBC6109AE0F6A2A20p-134L},
    {0xDBFBB797DAF23755p-63L, 0xF610356A78A6A991p-129L},
    {0xDE60F4825E0E9124p-63L, -0x8BE174985EE65E9Cp-129L},
    {0xE0CCDEEC2A94E111p-63L, 0xCB12A091BA667944p-132L},
    {0xE33F8972BE8A5A51p-63L, 0x9BFE90795980EECFp-131L},
    {0xE5B906E77C8348A8p-63L, 0xF2F47A5276DD8765p-130L},
    {0xE8396A503C4BDC68p-63L, 0xF22F21A158E18FBCp-128L},
    {0xEAC0C6E7DD24392Fp-63L, -0xBF4A29323E46AC15p-129L},
    {0xED4F301ED9942B84p-63L, 0xC01A5B6D4C97F624p-128L},
    {0xEFE4B99BDCDAF5CBp-63L, 0x8CAC39ED291B7226p-128L},
    {0xF281773C59FFB13Ap-63L, -0xBB3FAB19B85C2DA7p-130L},
    {0xF5257D152486CC2Cp-63L, 0xF73A18F5DB301F87p-128L},
    {0xF7D0DF730AD13BB9p-63L, -0xB795B494F8248A8Bp-134L},
    {0xFA83B2DB722A033Ap-63L, 0xF84B762862BAFF99p-128L},
    {0xFD3E0C0CF486C175p-63L, -0xF5818B4D9C3E23FAp-128L},
};

// Taylor coefficients 1/n!, n = 3..8.
constexpr long double kInvFactorial[] = {1.0L / 6,   1.0L / 24,   1.0L / 120,
                                         1.0L / 720, 1.0L / 5040, 1.0L / 40320};

// x * 2^n for |n| < 2 * 16382, as two multiplications by normal powers of two:
// the first is exact, only the second can round (into the subnormal range)
// or overflow, as the hardware does it.
long double Scale(long double x, int n)
{
    const int half = n / 2;
    return x * std::ldexp(1.0L, half) * std::ldexp(1.0L, n - half);
}

// Beyond these bounds the result is known without the reduction.  Above
// 16384 ln2 = 11356.5234..., the logarithm of the largest extended value
// (just under 2^16384), exp overflows; 11357 lies just past it, so every x
// up to it is computed and overflows, if it does, in the final scaling.
// Below -16446 ln2 = -11399.4985..., the logarithm of half the smallest
// subnormal (2^-16445), exp rounds to 0; -11400 lies just past it.
constexpr long double kExpOverflowBound = 11357.0L;
constexpr long double kExpUnderflowBound = -11400.0L;

long double ExpExtended(long double x)
{
    // A NaN goes back unchanged: its conversion to an integer below would be
    // undefined, and its table index anything.
    if (std::isnan(x))
        return x;
    if (x > kExpOverflowBound)
        return std::numeric_limits<long double>::infinity();
    if (x < kExpUnderflowBound)
        return 0.0L;
    // k = 64m + j nearest to x * 64/ln2.  Within the bounds |k| <= 1052590,
    // just over 2^20 and below 2^21; hi has 42 significant bits, so k * hi
    // has at most 63 and is exact, and x - k * hi is exact (Sterbenz).
    const long double k = std::nearbyint(x * k64ByLn2);
    const long double rHi = x - k * kLn2By64Hi;
    const long double rLo = -k * kLn2By64Lo;
    // r + rr = rHi + rLo exactly (two-sum).
    const long double r = rHi + rLo;
    const long double b = r - rHi;
    const long double rr = (rHi - (r - b)) + (rLo - b);

    long double poly = kInvFactorial[5];
    for (int i = 4; i >= 0; --i)
        poly = kInvFactorial[i] + r * poly;
    // p = exp(r + rr) - 1, to within 2^-75
    const long double p = r + (rr + r * r * (0.5L + r * poly));

    const auto ki = static_cast<long>(k);
    const long m = ki >= 0 ? ki / 64 : -((63 - ki) / 64);
    const long j = ki - 64 * m;
    const long double tHi = kExp2Table[j][0];
    const long double tLo = kExp2Table[j][1];
    return Scale(tHi + (tLo + tHi * p), static_cast<int>(m));
}

} // namespace

Ext Exp(Ext x) { return Checked(ExpExtended(x.value())); }

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
    return Ext(std::atan2(s.value(), x.value())); // radians, 0 to pi
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
