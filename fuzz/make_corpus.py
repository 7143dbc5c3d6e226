#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpus, fuzz/corpus/<target>/, from the
tables below: python3 fuzz/make_corpus.py (run from anywhere).  Regression
inputs found by fuzzing are added to the tables, so that regenerating keeps
them."""

import os
import re
import shutil
import struct
import sys
from fractions import Fraction

if hasattr(sys, "set_int_max_str_digits"):
    sys.set_int_max_str_digits(0)  # the extended range's 4933-digit integers

HERE = os.path.dirname(os.path.abspath(__file__))

# fuzz_parse_number: first byte = separator bit (0 ".", 1 ",") | mode << 1,
# mode 0 UTF-8, 1 raw UTF-16LE units, 2 Latin-1.
UTF8, UTF16 = 0, 1


def exact_decimal(q):
    """The exact decimal text of a dyadic rational (a finite decimal)."""
    sign = "-" if q < 0 else ""
    q = abs(q)
    scale = 0
    while q.denominator != 1:
        q *= 10
        scale += 1
    digits = str(q.numerator).rjust(scale + 1, "0")
    if scale == 0:
        return sign + digits
    return sign + digits[:-scale] + "." + digits[-scale:]


def halfway(a, b):
    return exact_decimal((Fraction(a) + Fraction(b)) / 2)


def pow2(n):
    return Fraction(2) ** n


DBL_MAX = (2 - pow2(-52)) * pow2(1023)
DBL_MIN = pow2(-1022)
DENORM_MIN = pow2(-1074)
LDBL_MAX = (2 - pow2(-63)) * pow2(16383)

parse_texts = [
    # exponent edges: the 500 rule, the extended range (about 1.19e4932)
    "1e499", "1e500", "1e0500", "1e5000", "1e50000", "1e4999", "1e4990", "1e4932",
    "1e4933", "1.18e4932", "1.19e4932", "1.2e4932", "-1e4932", "1e-500", "1e-4999",
    "1e-5000", "0.001e4935", "100e4930", "1e+500", "1e-0499", "9e49999",
    exact_decimal(LDBL_MAX) + "e0",
    exact_decimal(LDBL_MAX + pow2(16383 - 64)),  # halfway to the next power: overflows
    exact_decimal(LDBL_MAX + pow2(16383 - 64) - pow2(16300)),
    # the double's range: largest, smallest normal and subnormal, their halves
    "1.7976931348623157e308", "1.7976931348623158e308", "1.7976931348623159e308",
    "1.8e308", "-1.8e308", "1e308", "1e309",
    halfway(DBL_MAX, pow2(1024)),  # a tie that rounds to even: overflow
    exact_decimal(DBL_MAX + pow2(970) - pow2(900)),
    "2.2250738585072014e-308", "2.2250738585072011e-308", "2.2250738585072009e-308",
    halfway(DBL_MIN - DENORM_MIN, DBL_MIN),
    "4.9406564584124654e-324", "2.4703282292062327e-324", "2.4703282292062328e-324",
    exact_decimal(DENORM_MIN / 2),        # tie between 0 and the smallest: 0
    exact_decimal(DENORM_MIN * 3 / 2),    # tie: to the even 2 * smallest
    "3e-324", "2e-324", "1e-400", "-1e-400", "-1e-330", "1e-324", "1e-323",
    # halfway cases for double rounding
    halfway(1, 1 + pow2(-52)), halfway(1 + pow2(-52), 1 + pow2(-51)),
    exact_decimal(1 + pow2(-53) + pow2(-80)),  # above the tie by less than extended can hold
    exact_decimal(1 + pow2(-53) - pow2(-80)),
    "9007199254740993", "9007199254740993.0000000000000000001", "9007199254740995",
    "0.1", "0.3", "2.5e-3", "123456789012345678901234567890",
    # 15 to 18 digits and their carries
    "999999999999999.5", "999999999999999.4", "9999999999999999", "99999999999999999",
    "999999999999999999", "0.999999999999999949", "0.9999999999999999", "100000000000000.5",
    "999999999999999", "1e15", "1E15", "0.0001", "0.00009999999999999995",
    # the syntax: blanks, signs, separators, exponents, leftovers
    "", " ", "  12  ", "+7", "-7", "-", "+", "+-1", "- 5", "-0", "-0e5", "+.e+", "5.", ".5", ".",
    "1e", "1e+", "1e-", "1E3", "e5", "1 e5", "1e 5", "1e5 5", "1 2", "1.2.3", "1..2", "1,5",
    "1,5e3", "0x10", "1d5", "1e1.5", "nan", "NaN", "inf", "-inf", "Infinity", "007", "1e0050",
    "\t1", "1\t", "1\n", "\u00a01", "1\u00a0", "\u0661", "\u0660.5", "\uff11\uff12", "\u00bd",
    "\U0001d7ce",
]

def parse_seeds():
    seeds = []
    for t in parse_texts:
        for sep in (0, 1):
            text = t.replace(".", ",") if sep else t
            seeds.append(bytes([sep | UTF8 << 1]) + text.encode("utf-8"))
    # 100,000 digits
    seeds.append(bytes([0]) + b"0." + b"0" * 99998 + b"1")
    seeds.append(bytes([1]) + b"0," + b"3" * 99998)
    seeds.append(bytes([0]) + b"9" * 100000)
    # raw UTF-16: NULs, lone surrogates, the separator's neighbours
    for units in ([0x31, 0x00, 0x32], [0x31, 0xD800], [0xDC00, 0x35], [0x31, 0x2E, 0xDBFF, 0xDFFF],
                  [0x35, 0x2C, 0x35], [0x20, 0x2D, 0x2E, 0x65, 0x2B], [0xFF10 + 1, 0x2E, 0x35],
                  [0x0031, 0x0065, 0x0035, 0x0030, 0x0030]):
        body = b"".join(struct.pack("<H", u) for u in units)
        seeds.append(bytes([0 | UTF16 << 1]) + body)
        seeds.append(bytes([1 | UTF16 << 1]) + body)
    # exact decimals of binary values and of the midpoints next to them:
    # flags (bit 0 long double, bits 1-2 value/midpoint/above/below, bit 3
    # negative, bit 4 exponent form, bits 5-7 the offset), then the pattern
    near = [(0, 0x7FEFFFFFFFFFFFFF), (2, 0x7FEFFFFFFFFFFFFF), (4, 0x7FEFFFFFFFFFFFFF),
            (6, 0x7FEFFFFFFFFFFFFF), (2, 0x3FF0000000000000), (4 | 0xE0, 0x3FF0000000000000),
            (6 | 0xE0, 0x3FF0000000000000), (2, 0x3FF0000000000001), (2 | 16, 0), (4 | 16, 0),
            (2 | 16, 1), (2 | 16, 0x000FFFFFFFFFFFFF), (6 | 16, 0x0010000000000000),
            (2 | 8, 0x4340000000000000), (2, 0x4330000000000000)]
    for flags, bits in near:
        for sep in (0, 1):
            seeds.append(bytes([sep | 8, flags]) + struct.pack("<Q", bits))
    for flags, significand, raw in [(1 | 2, 0xFFFFFFFFFFFFFFFF, 0x4000), (1 | 6, 0xFFFFFFFFFFFFFFFF, 0x4000),
                                    (1 | 4, 0xFFFFFFFFFFFFFFFF, 0x4000), (1 | 2, 0x8000000000000400, 1100),
                                    (1 | 4, 0xFFFFFFFFFFFFF800, 1100 + 1023)]:
        seeds.append(bytes([8, flags]) + struct.pack("<QH", significand, raw))
    return seeds


def nearest(q, mant_bits, min_exp):
    """(significand, exponent) of the rational q > 0 rounded to nearest, ties
    to even, with mant_bits bits: q ~ significand * 2^exponent."""
    e = q.numerator.bit_length() - q.denominator.bit_length()
    while pow2(e) > q:
        e -= 1
    while pow2(e + 1) <= q:
        e += 1
    shift = max(e - (mant_bits - 1), min_exp)
    scaled = q / pow2(shift)
    m = scaled.numerator // scaled.denominator
    rest = scaled - m
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and m % 2):
        m += 1
    return m, shift


def extended_bytes(q, raw=None):
    """The 10 bytes of the x87 extended value nearest to q (or raw fields)."""
    if raw is not None:
        significand, sign_exp = raw
        return struct.pack("<QH", significand, sign_exp)
    sign = 0x8000 if q < 0 else 0
    q = abs(q)
    if q == 0:
        return struct.pack("<QH", 0, sign)
    m, shift = nearest(q, 64, -16445)
    if m >> 64:
        m >>= 1
        shift += 1
    exp = shift + 63 + 16383
    if m >> 63 == 0:
        exp = 0  # subnormal (or the smallest normal reached by rounding)
    assert exp < 0x7FFF
    return struct.pack("<QH", m, sign | exp)


def format_seeds():
    doubles = [0.0, -0.0, 1.0, -1.0, 0.1, 1 / 3, 2 / 3, 2.5, -2.5, 100.0, 1e15, 1e16, 1e20, 1e-4,
               1e-5, 0.00012345, 1e308, 1e-308, 999999999999999.0, 999999999999999.5,
               999999999999999.4, 100000000000000.5, 9999999999999998.0, 123456.7890123456789,
               1234567890123456789.0, float("inf"), float("-inf"), float("nan"),
               0.00009999999999999995, 0.0009999999999999999, 0.9999999999999999, 5e-324, 1e-323]
    bits = [0x7FEFFFFFFFFFFFFF, 0x7FEFFFFFFFFFFFFE, 0x0010000000000000, 0x0010000000000001,
            0x000FFFFFFFFFFFFF, 0x0000000000000001, 0x8000000000000001, 0x7FF0000000000001,
            0x7FF8000000000000, 0xFFF8000000000001, 0x7FEFFFFFFFFFFFFF | 1 << 63]
    seeds = []
    for sep in (0, 1):
        for d in doubles:
            seeds.append(bytes([sep]) + struct.pack("<d", d))
        for b in bits:
            seeds.append(bytes([sep]) + struct.pack("<Q", b))
    extended = [Fraction(1), Fraction(-1), Fraction(1, 10), Fraction(1, 3), DBL_MAX,
                DBL_MAX + pow2(969), DBL_MAX + pow2(970), pow2(1024), DBL_MIN, DBL_MIN - pow2(-1100),
                DENORM_MIN, DENORM_MIN / 3, Fraction(10) ** 4932, Fraction(10) ** -4940,
                Fraction(10) ** 400, Fraction(10) ** -400, Fraction(999999999999999) + Fraction(1, 2),
                Fraction(999999999999999) + Fraction(1, 2) - pow2(-14), Fraction(9999999999999999),
                Fraction(10) ** 15 - Fraction(1, 10**3), Fraction(99999999999999995, 10**17),
                Fraction(10) ** 16 - Fraction(1, 2), Fraction(1, 10**4) - pow2(-80),
                Fraction(123456789012344999, 10**17), Fraction(17976931348623150, 10**16) * Fraction(10) ** 308]
    raws = [(0xFFFFFFFFFFFFFFFF, 0x7FFE),          # the largest extended
            (0x8000000000000000, 0x0001),          # the smallest normal
            (0x0000000000000001, 0x0000),          # the smallest subnormal
            (0x7FFFFFFFFFFFFFFF, 0x0000),          # the largest subnormal
            (0x8000000000000001, 0x0000),          # a pseudo-denormal, made a subnormal
            (0x4000000000000000, 0x3FFF),          # an unnormal, made normal
            (0x0000000000000000, 0x7FFF),          # a pseudo-infinity, made infinity
            (0x8000000000000000, 0xFFFF),          # -infinity
            (0xC000000000000000, 0x7FFF),          # a quiet NaN
            (0x8000000000000001, 0x7FFF)]          # a signalling NaN
    for sep in (0, 1):
        for q in extended:
            seeds.append(bytes([sep | 2]) + extended_bytes(q))
        for r in raws:
            seeds.append(bytes([sep | 2]) + extended_bytes(None, r))
    return seeds


def write(target, seeds):
    folder = os.path.join(HERE, "corpus", target)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    seen = set()
    for i, s in enumerate(seeds):
        if s in seen:
            continue
        seen.add(s)
        with open(os.path.join(folder, "seed-%03d" % i), "wb") as f:
            f.write(s)
    for name, data in REGRESSIONS.get(target, []):
        with open(os.path.join(folder, "regression-" + re.sub(r"[^A-Za-z0-9.-]", "_", name)), "wb") as f:
            f.write(data)


# Inputs that once failed a check: (name, bytes).
REGRESSIONS = {
    "fuzz_parse_number": [
        # the exact decimal of a negative subnormal 3/4 of the way to the next
        # one; glibc 2.36's strtod, once the whole reference, rounds it low
        ("subnormal-three-quarters", bytes.fromhex("0c0c0c0c0c0c0c0c0c00310a")),
    ],
    "fuzz_format_number": [],
}

if __name__ == "__main__":
    write("fuzz_parse_number", parse_seeds())
    write("fuzz_format_number", format_seeds())
