// Number conventions shared by every calculator window: the extended
// arithmetic with its error policy, the syntax of a typed number, the
// general format of a shown number, and the error texts.  No widget code.
//
// Where the bits come from.  The four operations, Store, Exp, the rounding
// functions, ParseNumber and FormatNumber are computed here from x87
// arithmetic alone, so they give the same bits on every platform.  Two
// functions take theirs from the C library: Sqrt (sqrtl, which glibc and
// MinGW-w64 both do with the correctly rounded fsqrt) and ArcCos (atan2l,
// whose last bit may differ between C libraries).
//
// Two backends, chosen by the target's long double.  Where it is x87's
// double-extended format (x86-64 Linux, MinGW-w64) Ext computes with the
// processor's instructions.  Elsewhere (aarch64, whose long double is IEEE
// binary128) Ext holds the same x87 values, exact in the wider format, and
// computes each operation, Sqrt, Exp and ArcCos through MPFR rounded as x87
// rounds (SoftExtended.h): the same bits, Sqrt included; ArcCos is then the
// correctly rounded atan2, which may differ from x87's fpatan in the last bit.
#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <cfloat>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
#define VELORIX_X87 1
#elif LDBL_MANT_DIG == 113 && LDBL_MAX_EXP == 16384 && LDBL_MIN_EXP == -16381
#define VELORIX_X87 0 // binary128 holds every x87 value exactly
#else
#error "long double must be x87's double-extended format or IEEE binary128"
#endif

namespace velorix {

// An error that ends a handler.  `message()` is the text before the final
// period is added for the error box.
class CalcError : public std::exception {
public:
    enum class Kind { Conversion, DivisionByZero, InvalidOperation, Overflow };

    CalcError(Kind kind, QString message);
    Kind kind() const { return kind_; }
    const QString &message() const { return message_; }
    const char *what() const noexcept override { return what_.constData(); }

    static CalcError conversion(const QString &fieldText);
    static CalcError divisionByZero();
    static CalcError invalidOperation();
    static CalcError overflow();

private:
    Kind kind_;
    QString message_;
    QByteArray what_;
};

// Constants of the formulas, each the double-extended value nearest to the
// quantity named, written in hexadecimal so that it is that x87 value on a
// target whose long double is wider.
inline constexpr long double kPi = 0xC.90FDAA22168C235p-2L;               // 3.1415926535897932385
inline constexpr long double kTwoPi = 0xC.90FDAA22168C235p-1L;            // 6.283185307179586477
inline constexpr long double kFourPi = 0xC.90FDAA22168C235p+0L;           // 12.566370614359172954
inline constexpr long double kDegreesPerRadian = 0xE.52EE0D31E0FBDC3p+2L; // 180/pi, 57.295779513082320877
inline constexpr long double kLn2 = 0xB.17217F7D1CF79ACp-4L;              // 0.69314718055994530942
// The decimal prefixes of units, milli to pico, each the x87 value nearest
// to it.
inline constexpr long double kMilli = 0x8.3126E978D4FDF3Bp-13L; // 1e-3
inline constexpr long double kMicro = 0x8.637BD05AF6C69B6p-23L; // 1e-6
inline constexpr long double kNano = 0x8.9705F4136B4A597p-33L;  // 1e-9
inline constexpr long double kPico = 0x8.CBCCC096F5088CCp-43L;  // 1e-12
// The largest finite x87 value, (2^64 - 1) * 2^16320, about 1.18973e4932
// (LDBL_MAX where long double is x87's).
inline constexpr long double kExtendedMax = 0xF.FFFFFFFFFFFFFFFp+16380L;
// The smallest positive x87 value, the subnormal 2^-16445.
inline constexpr long double kExtendedTrueMin = 0x8p-16448L;

// A value of the x87 double-extended format with checked arithmetic: every
// operation raises its CalcError at the point where the condition arises.
// Underflow and inexact results are silent.
class Ext {
public:
    constexpr Ext() = default;
    constexpr Ext(long double v) : v_(v) {} // NOLINT: implicit, so formulas read as written
    constexpr Ext(double v) : v_(v) {}      // NOLINT
    constexpr Ext(int v) : v_(v) {}         // NOLINT
    constexpr long double value() const { return v_; }

    friend Ext operator+(Ext a, Ext b);
    friend Ext operator-(Ext a, Ext b);
    friend Ext operator*(Ext a, Ext b);
    friend Ext operator/(Ext a, Ext b);
    friend Ext operator-(Ext a) { return Ext(-a.v_); }

    friend bool operator==(Ext a, Ext b) { return a.v_ == b.v_; }
    friend bool operator<(Ext a, Ext b) { return a.v_ < b.v_; }
    friend bool operator>(Ext a, Ext b) { return a.v_ > b.v_; }
    friend bool operator<=(Ext a, Ext b) { return a.v_ <= b.v_; }
    friend bool operator>=(Ext a, Ext b) { return a.v_ >= b.v_; }

private:
    long double v_ = 0.0L;
};

// The 80-bit x87 pattern of a value: bytes 0-7 the significand with its
// explicit integer bit, bytes 8-9 the biased exponent and the sign, least
// significant byte first, as x87 stores it.  The same on both backends.
std::array<std::uint8_t, 10> X87Bytes(Ext x);
// The value of such a pattern.  A pattern whose integer bit disagrees with
// its exponent (none that arithmetic produces) is read with the bit set to
// agree: 0 with the zero exponent, 1 with any other.
Ext FromX87Bytes(const std::array<std::uint8_t, 10> &bytes);

// Sets the floating-point environment the calculations assume: extended
// precision, rounding to nearest, no traps, no pending flags.
void ResetFloatEnvironment();

// Runs `work`; a calculation error it raises is returned instead, with the
// floating-point environment reset, as the failed calculation may have left
// it changed.
std::optional<CalcError> CatchCalcError(const std::function<void()> &work);

// Store to double: rounds to the nearest double; the overflow error when the
// rounded magnitude exceeds the largest double.  The result is an Ext that
// holds the double exactly, so later steps use the stored value.
Ext Store(Ext x);

Ext Sqrt(Ext x); // invalid operation for x < 0
Ext Exp(Ext x);  // overflow beyond the extended range; underflow to 0

// Rounding to a 64-bit signed integer, to nearest with ties to even; the
// invalid-operation error when the nearest integer is out of range.
std::int64_t RoundToInt(Ext x);
inline Ext Round(Ext x) { return Ext(static_cast<long double>(RoundToInt(x))); }

// Inverse cosine in radians, 0 to pi: atan2(sqrt((1 + x)(1 - x)), x); the
// invalid-operation error for x outside -1 to 1.
Ext ArcCos(Ext x);

// Rounding up to a 32-bit signed integer, as a count is taken: the integer
// part toward zero, plus one when a positive fraction remains (so the
// ceiling).  The invalid-operation error when the result lies outside
// -2^31 to 2^31 - 1, including 2^31 - 1 < x < 2^31.
std::int32_t CeilToInt32(Ext x);

// The decimal separator used to read and to show numbers.
QChar DecimalSeparator();
void SetDecimalSeparator(QChar separator);

// Calls a function after each change of the decimal separator, with the
// separator it replaced.
void OnDecimalSeparatorChange(std::function<void(QChar before)> listener);

// The number a field's text holds, rounded to the nearest double (as an Ext
// holding that double).  The conversion error when the text is not a number
// or exceeds the extended range; the overflow error when it is within the
// extended range but beyond the largest double.
Ext ParseNumber(const QString &text);

// The general format with 15 significant digits.
QString FormatNumber(Ext x);
// The same with 1 to 15 significant digits, in exponent form from 10 to the
// power of that count on: 1234567 to 6 digits shows "1.23457E6".
QString FormatSignificant(Ext x, int significant);

// A reading to a fixed number of decimals (0 to 18), correctly rounded, with
// the decimal separator: 12.345 to two decimals shows "12.35" or "12,35"
// (from the value's exact binary digits).  No exponent form, no "-" on a
// value that rounds to zero.
QString FormatFixed(Ext x, int decimals);

} // namespace velorix
