#include "FloatControl.h"

#include <fpu_control.h>

namespace velorix {

// The word the processor starts with (x87: fninit, reserved bit 6 included).
static_assert(kExtendedControlWord == _FPU_DEFAULT);

FloatControlBits FloatControlWord()
{
    fpu_control_t word;
    _FPU_GETCW(word);
    return static_cast<FloatControlBits>(word);
}

void SetFloatControlWord(FloatControlBits word)
{
    fpu_control_t w = word;
    _FPU_SETCW(w);
}

} // namespace velorix
