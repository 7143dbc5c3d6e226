// Design curves of a lumped-selectivity filter of identical Π sections, from
// image-parameter theory, in terms of the generalised damping β of a section's
// circuits and the generalised detuning αс.
#pragma once

namespace pictures {

// Where a design graph lies on the picture of the graphs (576 × 588 px): its
// plot area, px, and the ranges it shows, x0 to x1 across and y0 to y1 up
// the area (down it when `down`).
struct GraphArea {
    double left, top, width, height;
    double x0, x1, y0, y1;
    bool down;
};

// а) σ1 from 0 dB (top) to 15 dB against αс from 0 to 3.
inline constexpr GraphArea kAttenuationGraph{56, 34, 440, 262, 0, 3, 0, 15, true};
// б) Кф from 0 to 0.5 against β from 0 to 0.7.
inline constexpr GraphArea kTransferGraph{56, 356, 440, 190, 0, 0.7, 0, 0.5, false};

// Attenuation of one section relative to mid-band, dB:
//   σ1 = 8.686 · [ arch(½(√((1+αс)² + β²/4) + √((1−αс)² + β²/4))) − arsh(β/2) ].
double SectionAttenuationDb(double alpha, double beta);

// Voltage transfer coefficient of a filter of n sections at mid-band:
//   Kф = 0.5 · (β/2 + √(1 + β²/4))^(−n).
double FilterTransfer(double beta, int sections);

} // namespace pictures
