// Design curves of a lumped-selectivity filter of identical Π sections, from
// image-parameter theory, in terms of the generalised damping β of a section's
// circuits and the generalised detuning αс.
#pragma once

namespace pictures {

// Attenuation of one section relative to mid-band, dB:
//   σ1 = 8.686 · [ arch(½(√((1+αс)² + β²/4) + √((1−αс)² + β²/4))) − arsh(β/2) ].
double SectionAttenuationDb(double alpha, double beta);

// Voltage transfer coefficient of a filter of n sections at mid-band:
//   Kф = 0.5 · (β/2 + √(1 + β²/4))^(−n).
double FilterTransfer(double beta, int sections);

} // namespace pictures
