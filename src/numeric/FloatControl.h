// The processor's floating-point control register, which sets the rounding
// (and on x87 the precision) of every operation.  Its layout is the
// processor's: the x87 control word on x86-64, FPCR on aarch64, whose
// extended arithmetic is done in software and which needs the register only
// for double operations (Store).  One implementation per C library: glibc's
// <fpu_control.h> on Linux, the fnstcw/fldcw instructions with MinGW (whose
// _control87 sets only the SSE unit on x64).
#pragma once

#include <cstdint>

namespace velorix {

#if defined(__x86_64__) || defined(__i386__)
using FloatControlBits = std::uint16_t;
// All exceptions masked, 64-bit significand, rounding to nearest.
inline constexpr FloatControlBits kExtendedControlWord = 0x037F;
// A word foreign code (a graphics driver) may leave behind: 24-bit precision.
inline constexpr FloatControlBits kForeignControlWord = 0x007F;
#elif defined(__aarch64__)
using FloatControlBits = std::uint32_t;
// Rounding to nearest, no traps, subnormals kept (no flush to zero), NaNs
// propagated.
inline constexpr FloatControlBits kExtendedControlWord = 0;
// Flush to zero (bit 24) and rounding toward zero (bits 22-23).
inline constexpr FloatControlBits kForeignControlWord = 0x01C00000;
#else
#error "no floating-point control register known for this processor"
#endif

FloatControlBits FloatControlWord();
void SetFloatControlWord(FloatControlBits word);

} // namespace velorix
