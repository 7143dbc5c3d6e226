// The x87 double-extended arithmetic in software, for processors without
// x87 (aarch64, whose long double is IEEE binary128).  Values are held in
// long double: every x87 value (64-bit significand, exponents -16382 to
// 16383, subnormals down to 2^-16445) is exact in binary128, which has a
// 113-bit significand and the same exponent range.  Each operation is
// computed through MPFR at 64 bits, rounded to nearest with ties to even, and
// brought into x87's range as the hardware rounds: into the subnormal range
// below 2^-16382, to infinity at or beyond the largest value plus half an
// ulp.  So the results are x87's, bit for bit.
//
// On x86-64 the program computes with the processor's own instructions and
// never links this; the differential test compares the two there.
#pragma once

#include <array>
#include <cstdint>

namespace velorix::soft {

// The operations on x87 values: infinity where x87 overflows, a NaN where it
// signals an invalid operation (0/0, the root of a negative number).
long double Add(long double a, long double b);
long double Sub(long double a, long double b);
long double Mul(long double a, long double b);
long double Div(long double a, long double b);
long double Sqrt(long double x);
long double Exp(long double x); // the same steps as x87's, each rounded so

// atan2(y, x) correctly rounded to the x87 format: x87's fpatan may differ
// from it in the last bit.
long double Atan2(long double y, long double x);

// The 80-bit x87 pattern of a value (bytes 0-7 the significand with its
// explicit integer bit, 8-9 the biased exponent and the sign, least
// significant byte first), and the value of a pattern.  A pattern whose
// integer bit disagrees with its exponent (an unnormal, a pseudo-denormal,
// pseudo-infinity or pseudo-NaN, none of which arithmetic produces) is read
// with the bit set to agree.
std::array<std::uint8_t, 10> Bytes(long double x);
long double FromBytes(const std::array<std::uint8_t, 10> &bytes);

} // namespace velorix::soft
