#include "FloatControl.h"

namespace velorix {

std::uint16_t FloatControlWord()
{
    std::uint16_t word;
    __asm__ __volatile__("fnstcw %0" : "=m"(word));
    return word;
}

void SetFloatControlWord(std::uint16_t word) { __asm__ __volatile__("fldcw %0" : : "m"(word)); }

} // namespace velorix
