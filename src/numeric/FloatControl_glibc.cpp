#include "FloatControl.h"

#include <fpu_control.h>

namespace velorix {

// The word the processor starts with (fninit), reserved bit 6 included.
static_assert(kExtendedControlWord == _FPU_DEFAULT);

std::uint16_t FloatControlWord()
{
    fpu_control_t word;
    _FPU_GETCW(word);
    return static_cast<std::uint16_t>(word);
}

void SetFloatControlWord(std::uint16_t word)
{
    fpu_control_t w = word;
    _FPU_SETCW(w);
}

} // namespace velorix
