// What both fuzz targets share: a check that aborts loudly, a printable form
// of a text, and the C library's conversions in the "C" locale, the
// independent reference the number module is held to.
#pragma once

#include "Numeric.h"

#include <QString>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <stdlib.h>
#include <string>
#include <vector>

namespace fuzz {

// Before the first input: the C library's locale from the environment, as
// the program has it, and the floating-point environment of the program.
inline void StartOnce()
{
    static const bool started = [] {
        std::setlocale(LC_ALL, "");
        velorix::ResetFloatEnvironment();
        return true;
    }();
    (void)started;
}

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

#ifdef _WIN32
// The Windows C library has no uselocale: MinGW's own C99 conversions
// (which read long double as the x87 format), with the numeric locale set
// to "C" around each call; the checks run on one thread.
class CNumericLocale {
public:
    CNumericLocale() : previous_(std::setlocale(LC_NUMERIC, nullptr)) { std::setlocale(LC_NUMERIC, "C"); }
    ~CNumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }

private:
    std::string previous_;
};

// MinGW's strtod can miss a long subnormal by many ulps, too far for the
// exact correction below; the standard library's from_chars is a closer
// first guess (out of range: zero or infinity, by the exponent's sign).
inline double StrToDouble(const std::string &ascii)
{
    double v = 0;
    if (std::from_chars(ascii.data(), ascii.data() + ascii.size(), v).ec == std::errc::result_out_of_range)
        v = ascii.find("e-") != std::string::npos ? 0.0 : HUGE_VAL;
    return v;
}
#else
inline locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

inline double StrToDouble(const std::string &ascii) { return strtod_l(ascii.c_str(), nullptr, CLocale()); }
#endif

// A non-negative integer in base 10^9, least significant limb first.
using Big = std::vector<std::uint32_t>;

inline void Multiply(Big &b, std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (auto &limb : b) {
        const std::uint64_t v = std::uint64_t(limb) * factor + carry;
        limb = static_cast<std::uint32_t>(v % 1000000000);
        carry = v / 1000000000;
    }
    for (; carry; carry /= 1000000000)
        b.push_back(static_cast<std::uint32_t>(carry % 1000000000));
}

// a * b.
inline Big Product(const Big &a, const Big &b)
{
    Big r(a.size() + b.size(), 0);
    for (std::size_t j = 0; j < b.size(); ++j) {
        std::uint64_t carry = 0;
        std::size_t i = 0;
        for (; i < a.size(); ++i) {
            const std::uint64_t v = r[i + j] + std::uint64_t(a[i]) * b[j] + carry;
            r[i + j] = static_cast<std::uint32_t>(v % 1000000000);
            carry = v / 1000000000;
        }
        for (std::size_t k = i + j; carry; ++k) {
            const std::uint64_t v = r[k] + carry;
            r[k] = static_cast<std::uint32_t>(v % 1000000000);
            carry = v / 1000000000;
        }
    }
    while (r.size() > 1 && r.back() == 0)
        r.pop_back();
    return r;
}

// base^n for base 2 or 5, each power kept once computed (n stays below
// about 16400: the exponents of extended values).
inline const Big &Power(std::uint32_t base, int n)
{
    static std::vector<Big> twos{Big{1}}, fives{Big{1}};
    auto &table = base == 2 ? twos : fives;
    while (static_cast<int>(table.size()) <= n) {
        Big next = table.back();
        Multiply(next, base);
        table.push_back(std::move(next));
    }
    return table[n];
}

// The decimal digits of k * 2^p, and q with k * 2^p = digits * 10^-q
// (k * 2^p = k * 5^-p * 10^p for p < 0).
inline std::string ExactDecimal(unsigned __int128 k, int p, int &q)
{
    Big b;
    do {
        b.push_back(static_cast<std::uint32_t>(k % 1000000000));
        k /= 1000000000;
    } while (k);
    q = p < 0 ? -p : 0;
    b = Product(b, p < 0 ? Power(5, -p) : Power(2, p));
    std::string digits = std::to_string(b.back());
    digits.resize(digits.size() + 9 * (b.size() - 1));
    std::size_t at = digits.size();
    for (std::size_t i = 0; i + 1 < b.size(); ++i)
        for (std::uint32_t limb = b[i], n = 0; n < 9; ++n, limb /= 10)
            digits[--at] = static_cast<char>('0' + limb % 10);
    return digits;
}

// -1, 0 or 1 as digits * 10^e compares with other * 10^-q (decimal digits,
// leading zeros allowed).
inline int CompareDecimal(const std::string &digits, std::int64_t e, const std::string &other, std::int64_t q)
{
    const auto significant = [](const std::string &d, std::int64_t &exponent) {
        const auto first = d.find_first_not_of('0');
        if (first == std::string::npos)
            return std::string();
        const auto last = d.find_last_not_of('0');
        exponent += static_cast<std::int64_t>(d.size() - 1 - last);
        return d.substr(first, last - first + 1);
    };
    std::int64_t ea = e, eb = -q;
    std::string a = significant(digits, ea), b = significant(other, eb);
    if (a.empty() || b.empty())
        return a.empty() ? (b.empty() ? 0 : -1) : 1;
    // The positions of the leading digits first; at the same position the
    // digit strings, which have no trailing zeros, compare as numbers.
    const std::int64_t topA = ea + static_cast<std::int64_t>(a.size());
    const std::int64_t topB = eb + static_cast<std::int64_t>(b.size());
    if (topA != topB)
        return topA < topB ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// -1, 0 or 1 as digits * 10^e compares with k * 2^p.
inline int CompareBinary(const std::string &digits, std::int64_t e, unsigned __int128 k, int p)
{
    int q;
    const std::string other = ExactDecimal(k, p, q);
    return CompareDecimal(digits, e, other, q);
}

// How many places the leading digit of digits * 10^e stands from the units
// (its decimal exponent); a huge negative number for zero.
inline std::int64_t DecimalExponent(const std::string &digits, std::int64_t e)
{
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return INT64_MIN / 2;
    return static_cast<std::int64_t>(digits.size() - first) - 1 + e;
}

// Whether digits * 10^e rounds to a finite extended value: below the
// midpoint between the largest extended, (2^64 - 1) * 2^16320, and 2^16384
// (a tie rounds to the even 2^16384, out of range).
inline bool WithinExtended(const std::string &digits, std::int64_t e)
{
    const std::int64_t x = DecimalExponent(digits, e);
    if (x < 4931)
        return true;
    if (x > 4933)
        return false;
    static int q;
    static const std::string midpoint = ExactDecimal((static_cast<unsigned __int128>(1) << 65) - 1, 16319, q);
    return CompareDecimal(digits, e, midpoint, q) < 0;
}

// The double nearest to digits * 10^e (non-negative), ties to even, or
// infinity beyond the largest double.  The C library's strtod gives a first
// guess and exact comparisons with the midpoints on either side settle it:
// glibc 2.36 rounds some long subnormal inputs one ulp low.
inline double NearestDouble(const std::string &digits, std::int64_t e)
{
    if (DecimalExponent(digits, e) < -400)
        return 0.0;
    const auto first = digits.find_first_not_of('0');
    double r = StrToDouble(digits.substr(first) + "e" + std::to_string(e));
    constexpr std::uint64_t kHidden = std::uint64_t(1) << 52;
    if (std::isinf(r)) {
        // DBL_MAX + half an ulp = (2^54 - 1) * 2^970
        if (CompareBinary(digits, e, (kHidden << 2) - 1, 970) >= 0)
            return r;
        r = DBL_MAX;
    }
    for (int step = 0; step < 4; ++step) {
        std::uint64_t bits;
        std::memcpy(&bits, &r, sizeof bits);
        const int biased = static_cast<int>(bits >> 52);
        const std::uint64_t m = (bits & (kHidden - 1)) | (biased ? kHidden : 0);
        const int u = (biased ? biased : 1) - 1075; // r = m * 2^u
        const bool odd = m & 1;
        const int above = CompareBinary(digits, e, 2 * static_cast<unsigned __int128>(m) + 1, u - 1);
        if (above > 0 || (above == 0 && odd)) {
            r = std::nextafter(r, INFINITY);
            if (std::isinf(r))
                return r;
            continue;
        }
        if (m != 0) {
            // At the bottom of a binade the double below is half an ulp away.
            const int below =
                m == kHidden && biased > 1
                    ? CompareBinary(digits, e, 4 * static_cast<unsigned __int128>(m) - 1, u - 2)
                    : CompareBinary(digits, e, 2 * static_cast<unsigned __int128>(m) - 1, u - 1);
            if (below < 0 || (below == 0 && odd)) {
                r = std::nextafter(r, 0.0);
                continue;
            }
        }
        return r;
    }
    Fail(__FILE__, __LINE__, "NearestDouble", "strtod's guess is more than three ulps off");
}

// printf of one long double in the "C" locale.
inline std::string PrintExtended(const char *format, long double v)
{
    char buf[128];
#ifdef _WIN32
    const CNumericLocale c;
    __mingw_snprintf(buf, sizeof buf, format, v);
#else
    const locale_t previous = uselocale(CLocale());
    std::snprintf(buf, sizeof buf, format, v);
    uselocale(previous);
#endif
    return buf;
}

} // namespace fuzz

#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::fuzz::Fail(__FILE__, __LINE__, #condition, (detail));                                          \
    } while (0)
