#include "FilterCurves.h"

#include <algorithm>
#include <cmath>

namespace pictures {

// 8.686 dB per neper (20·lg e).
constexpr double kDbPerNeper = 8.686;

double SectionAttenuationDb(double alpha, double beta)
{
    const double q = beta * beta / 4;
    const double mean =
        0.5 * (std::sqrt((1 + alpha) * (1 + alpha) + q) + std::sqrt((1 - alpha) * (1 - alpha) + q));
    // At β = 0 inside the pass band the mean is 1 up to rounding.
    return kDbPerNeper * (std::acosh(std::max(mean, 1.0)) - std::asinh(beta / 2));
}

double FilterTransfer(double beta, int sections)
{
    return 0.5 * std::pow(beta / 2 + std::sqrt(1 + beta * beta / 4), -sections);
}

} // namespace pictures
