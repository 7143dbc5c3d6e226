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
#pragma once

#include <QChar>
#include <QString>

#include <cfloat>
#include <cstdint>
#include <exception>
#include <functional>

static_assert(LDBL_MANT_DIG == 64,
              "the calculations need the x87 double-extended format (64-bit significand)");

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
// quantity named (19 or 20 significant digits pin it).
inline constexpr long double kPi = 3.1415926535897932385L;
inline constexpr long double kTwoPi = 6.283185307179586477L;
inline constexpr long double kFourPi = 12.566370614359172954L;
inline constexpr long double kDegreesPerRadian = 57.295779513082320877L; // 180/pi
inline constexpr long double kLn2 = 0.69314718055994530942L;

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

// Sets the floating-point environment the calculations assume: extended
// precision, rounding to nearest, no traps, no pending flags.
void ResetFloatEnvironment();

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
