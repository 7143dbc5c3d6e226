#include "FloatControl.h"

namespace velorix {

FloatControlBits FloatControlWord()
{
    FloatControlBits word;
    __asm__ __volatile__("fnstcw %0" : "=m"(word));
    return word;
}

void SetFloatControlWord(FloatControlBits word) { __asm__ __volatile__("fldcw %0" : : "m"(word)); }

} // namespace velorix
