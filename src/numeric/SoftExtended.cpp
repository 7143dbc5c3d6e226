#include "SoftExtended.h"

#include "ExpKernel.h"

#include <mpfr.h>

#include <cmath>
#include <cstring>

namespace velorix::soft {

namespace {

// x87's format in MPFR's terms, where x = m * 2^e with 1/2 <= m < 1: a
// 64-bit significand, the largest value just under 2^16384, and the smallest
// subnormal 2^-16445 = 1/2 * 2^-16444.  With these bounds mpfr_subnormalize
// keeps 64 bits down to 2^-16382 and one bit fewer for each binade below.
constexpr mpfr_prec_t kPrecision = 64;
constexpr mpfr_exp_t kEmin = -16444;
constexpr mpfr_exp_t kEmax = 16384;

// MPFR's exponent range is the thread's; it is x87's while an operation
// runs, and whatever it was before afterwards.
class X87Range {
public:
    X87Range() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax())
    {
        mpfr_set_emin(kEmin);
        mpfr_set_emax(kEmax);
    }
    ~X87Range()
    {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }
    X87Range(const X87Range &) = delete;
    X87Range &operator=(const X87Range &) = delete;

private:
    mpfr_exp_t emin_, emax_;
};

// Three working numbers per thread, kept so that no operation allocates.
struct Registers {
    mpfr_t a, b, r;
    Registers() { mpfr_inits2(kPrecision, a, b, r, static_cast<mpfr_ptr>(nullptr)); }
    ~Registers() { mpfr_clears(a, b, r, static_cast<mpfr_ptr>(nullptr)); }
    Registers(const Registers &) = delete;
    Registers &operator=(const Registers &) = delete;
};

Registers &Regs()
{
    thread_local Registers regs;
    return regs;
}

// Brings a value, rounded to 64 bits with the ternary value t (the sign of
// the rounding error), into x87's range.
void ToX87Range(mpfr_t r, int t)
{
    t = mpfr_check_range(r, t, MPFR_RNDN);
    mpfr_subnormalize(r, t, MPFR_RNDN);
}

// A result as a long double (exactly).
long double Finish(mpfr_t r, int t)
{
    ToX87Range(r, t);
    return mpfr_get_ld(r, MPFR_RNDN);
}

// An operand: exact for an x87 value; anything wider is rounded to x87's
// format first.
void Load(mpfr_t to, long double x) { ToX87Range(to, mpfr_set_ld(to, x, MPFR_RNDN)); }

using Binary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);

long double Apply(Binary op, long double a, long double b)
{
    const X87Range range;
    Registers &g = Regs();
    Load(g.a, a);
    Load(g.b, b);
    return Finish(g.r, op(g.r, g.a, g.b, MPFR_RNDN));
}

// An x87 value whose arithmetic is this file's, for the steps of Exp.
class X87 {
public:
    X87(long double v) : v_(v) {} // NOLINT: implicit, as constants are
    explicit operator long() const { return static_cast<long>(v_); }
    long double value() const { return v_; }

    friend X87 operator+(X87 a, X87 b) { return Add(a.v_, b.v_); }
    friend X87 operator-(X87 a, X87 b) { return Sub(a.v_, b.v_); }
    friend X87 operator*(X87 a, X87 b) { return Mul(a.v_, b.v_); }
    friend X87 operator-(X87 a) { return -a.v_; }
    friend bool operator<(X87 a, X87 b) { return a.v_ < b.v_; }
    friend bool operator>(X87 a, X87 b) { return a.v_ > b.v_; }
    friend bool isnan(X87 a) { return std::isnan(a.v_); }
    // An x87 value's nearest integer is exact in any wider format too.
    friend X87 nearbyint(X87 a) { return std::nearbyint(a.v_); }

private:
    long double v_;
};

constexpr int kBias = 16383;
constexpr std::uint64_t kIntegerBit = std::uint64_t(1) << 63;

} // namespace

long double Add(long double a, long double b) { return Apply(mpfr_add, a, b); }
long double Sub(long double a, long double b) { return Apply(mpfr_sub, a, b); }
long double Mul(long double a, long double b) { return Apply(mpfr_mul, a, b); }
long double Div(long double a, long double b) { return Apply(mpfr_div, a, b); }
long double Atan2(long double y, long double x) { return Apply(mpfr_atan2, y, x); }

long double Sqrt(long double x)
{
    const X87Range range;
    Registers &g = Regs();
    Load(g.a, x);
    return Finish(g.r, mpfr_sqrt(g.r, g.a, MPFR_RNDN));
}

long double Exp(long double x) { return detail::ExpOf(X87(x)).value(); }

std::array<std::uint8_t, 10> Bytes(long double x)
{
    std::uint64_t significand = 0;
    int biased = 0;
    if (std::isnan(x)) {
        biased = 0x7FFF;
        significand = kIntegerBit | kIntegerBit >> 1; // quiet, no payload
    } else if (std::isinf(x)) {
        biased = 0x7FFF;
        significand = kIntegerBit;
    } else if (x != 0) {
        int e = 0;
        const long double m = std::frexp(std::fabs(x), &e); // 1/2 <= m < 1
        biased = e - 1 + kBias;
        // Below the normal range the exponent field is 0 and the significand
        // counts units of 2^-16445.
        const int shift = biased > 0 ? 64 : 64 + biased - 1;
        biased = biased > 0 ? biased : 0;
        significand = static_cast<std::uint64_t>(std::ldexp(m, shift));
    }
    const auto signAndExponent = static_cast<std::uint16_t>((std::signbit(x) ? 0x8000 : 0) | biased);
    std::array<std::uint8_t, 10> bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    bytes[8] = static_cast<std::uint8_t>(signAndExponent);
    bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return bytes;
}

long double FromBytes(const std::array<std::uint8_t, 10> &bytes)
{
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = significand << 8 | bytes[i];
    const int signAndExponent = bytes[9] << 8 | bytes[8];
    const int biased = signAndExponent & 0x7FFF;
    const bool negative = signAndExponent & 0x8000;
    long double v;
    if (biased == 0x7FFF) {
        v = significand << 1 ? std::nanl("") : HUGE_VALL;
    } else {
        // The integer bit as the exponent says: 0 with the zero exponent, 1
        // with any other; then the value is significand * 2^(e - 63), e being
        // the exponent, -16382 for the zero field.
        significand = biased ? significand | kIntegerBit : significand & ~kIntegerBit;
        const int e = (biased ? biased : 1) - kBias;
        // Two steps, each exact: the significand, exact in 64 bits, then the
        // power of two.
        v = std::ldexp(static_cast<long double>(significand), e - 63);
    }
    return negative ? -v : v;
}

} // namespace velorix::soft
