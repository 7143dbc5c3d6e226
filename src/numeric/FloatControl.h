// The x87 control word, which sets the precision and rounding of every
// extended-precision operation.  One implementation per C library: glibc's
// <fpu_control.h> on Linux, the fnstcw/fldcw instructions with MinGW (whose
// _control87 sets only the SSE unit on x64).
#pragma once

#include <cstdint>

namespace velorix {

// All exceptions masked, 64-bit significand, rounding to nearest.
inline constexpr std::uint16_t kExtendedControlWord = 0x037F;

std::uint16_t FloatControlWord();
void SetFloatControlWord(std::uint16_t word);

} // namespace velorix
