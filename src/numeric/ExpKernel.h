// The steps of Exp, shared by the x87 instructions and the software x87
// arithmetic, which compute them alike.
#pragma once

#include <cmath>
#include <limits>

namespace velorix::detail {
// Internal linkage: each user gets its own copy, which it may inline whole.
namespace {

// exp(x) from arithmetic alone, so that it gives the same bits wherever the
// x87 format and IEEE rounding do (glibc's and MinGW's expl differ in the last
// bits); T is long double on x87, the software x87 type elsewhere.  x = (64m + j) ln2/64 + r with |r| <=
// ln2/128 reduced exactly, then exp(x) = 2^m * 2^(j/64) * (1 + p(r)), p a degree-8 Taylor polynomial
// (truncation below 2^-75), 2^(j/64) held as hi + lo.  The constants are the
// exact values rounded to the extended format (tools/exp-reference.py table).

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
// Written in hexadecimal, so that they are these x87 values wherever the
// compiler's own long double is wider.
constexpr long double kInvFactorial[] = {0xA.AAAAAAAAAAAAAABp-6L,  0xA.AAAAAAAAAAAAAABp-8L,
                                         0x8.888888888888889p-10L, 0xB.60B60B60B60B60Bp-13L,
                                         0xD.00D00D00D00D00Dp-16L, 0xD.00D00D00D00D00Dp-19L};

// x * 2^n for |n| < 2 * 16382, as two multiplications by normal powers of two:
// the first is exact, only the second can round (into the subnormal range)
// or overflow, as the hardware does it.
template <class T> T Scale(T x, int n)
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

template <class T> T ExpOf(T x)
{
    using std::isnan;
    using std::nearbyint;
    // A NaN goes back unchanged: its conversion to an integer below would be
    // undefined, and its table index anything.
    if (isnan(x))
        return x;
    if (x > kExpOverflowBound)
        return T(std::numeric_limits<long double>::infinity());
    if (x < kExpUnderflowBound)
        return 0.0L;
    // k = 64m + j nearest to x * 64/ln2.  Within the bounds |k| <= 1052590,
    // just over 2^20 and below 2^21; hi has 42 significant bits, so k * hi
    // has at most 63 and is exact, and x - k * hi is exact (Sterbenz).
    const T k = nearbyint(x * k64ByLn2);
    const T rHi = x - k * kLn2By64Hi;
    const T rLo = -k * kLn2By64Lo;
    // r + rr = rHi + rLo exactly (two-sum).
    const T r = rHi + rLo;
    const T b = r - rHi;
    const T rr = (rHi - (r - b)) + (rLo - b);

    T poly = kInvFactorial[5];
    for (int i = 4; i >= 0; --i)
        poly = kInvFactorial[i] + r * poly;
    // p = exp(r + rr) - 1, to within 2^-75
    const T p = r + (rr + r * r * (0.5L + r * poly));

    const auto ki = static_cast<long>(k);
    const long m = ki >= 0 ? ki / 64 : -((63 - ki) / 64);
    const long j = ki - 64 * m;
    const T tHi = kExp2Table[j][0];
    const T tLo = kExp2Table[j][1];
    return Scale(tHi + (tLo + tHi * p), static_cast<int>(m));
}

} // namespace
} // namespace velorix::detail
