// The characteristic of a calculator's circuit: one or two quantities over a
// range of frequencies around the entered one, sampled, with its axes and
// marks.  Every number in it is already written as Velorix shows numbers
// (FormatNumber, with the decimal separator in use when it was built), and
// the data types below are complete in this header, so whatever draws it (the
// plots module) needs neither this library nor the number module: a number
// it computes itself (the difference of two readings) it writes through the
// characteristic's `reading`, a pointer to this library's writer.  No widget
// code.
#pragma once

#include "Numeric.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <optional>
#include <vector>

namespace velorix {

enum class Scale { Linear, Log };

// One quantity over the sample points: its values for drawing, and the
// same values as text, in full and to the digits a reading shows.
struct Column {
    QString name; // "Xc", "|Z|"
    QString unit; // "Ом"; empty for a ratio
    std::vector<double> values;
    QStringList texts;      // 15 significant digits, as the windows show
    QStringList readings{}; // 6 significant digits, for the readout

    // "Xc, Ом", or the name alone.
    QString heading() const { return unit.isEmpty() ? name : name + QStringLiteral(", ") + unit; }
};

// An axis: its title (with the unit its labels are in, "f, МГц"), its
// scale, the range it shows (a few percent beyond the data) and its
// labelled ticks, and the unlabelled minor ticks of a logarithmic axis (at 2
// and 5 times the decades).  Positions on a logarithmic axis are decimal
// logarithms of the values.
struct Axis {
    QString title;
    Scale scale = Scale::Linear;
    double from = 0, to = 1;
    std::vector<double> ticks;
    QStringList tickTexts; // at most 6 characters and a sign
    std::vector<double> minorTicks{};

    // Where a value lies on the axis (its logarithm on a logarithmic one).
    double position(double value) const { return scale == Scale::Log ? std::log10(value) : value; }
};

// A mark on the plot: a point of a curve (on the left or the right axis) or
// a vertical line at x, with a short tag drawn beside it and the text that
// states it.
struct Mark {
    enum class Kind { Point, VerticalLine };
    Kind kind = Kind::Point;
    double x = 0, y = 0;
    int axis = 0; // of a point: 0 left, 1 right
    QString tag;  // "f", "fср"
    QString text; // "f = 1 кГц, Xc = 1591.55 Ом", 6 significant digits
};

struct Characteristic {
    QString title;               // "Xc(f)"
    std::vector<Column> columns; // columns[0] is the x of every sample point
    // The columns drawn as curves, each against its y axis: curves[i] is
    // drawn on yAxes[curveAxis[i]].
    std::vector<int> curves;
    std::vector<int> curveAxis;
    Axis x;
    std::vector<Axis> yAxes; // the left one, and a right one where present
    std::vector<Mark> marks;
    // The values the curve was computed from, "Q = 100", to tell a held
    // curve from the current one.
    QStringList inputs{};
    // Writes a value (a difference of two readings) as a reading: 6
    // significant digits, as Velorix shows numbers.
    QString (*reading)(double value) = nullptr;

    // The data as text for the clipboard: the caption on the first line, the
    // column headings on the second, then one row per sample point, all
    // separated by tabs.
    QString dataText(const QString &caption) const
    {
        QStringList lines{caption}, headings;
        for (const Column &c : columns)
            headings << c.heading();
        lines << headings.join(QLatin1Char('\t'));
        for (qsizetype i = 0; i < columns.front().texts.size(); ++i) {
            QStringList row;
            for (const Column &c : columns)
                row << c.texts[i];
            lines << row.join(QLatin1Char('\t'));
        }
        return lines.join(QLatin1Char('\n'));
    }

    // The marks' texts, one sentence each.
    QString marksText() const
    {
        QStringList texts;
        for (const Mark &m : marks)
            texts << m.text;
        return texts.join(QStringLiteral("; "));
    }
};

// What a calculation leaves to draw: its characteristic, or, in words, why
// it has none ("C = -0.1 нФ не больше нуля: ...").
struct Curve {
    std::optional<Characteristic> characteristic;
    QString none;
};

// The characteristics of the calculators, each from what its window read and
// remembered, with f in kHz, C in nF, L in uH and R in Ohm.  Each curve
// takes the window's own formula at every sample point, sampled more densely
// where it bends, and has every marked value among its sample points (under
// 500 of them); a point beyond the double range is left out.  None, with
// the reason, when the circuit has no curve to draw (a frequency, a
// capacitance, a resistance not above zero).

// Xc(f), f/100 to 100 f, both axes logarithmic.
Curve CapacitorReactanceCurve(Ext C, Ext f);
// XL(f), the same.
Curve InductorReactanceCurve(Ext L, Ext f);
// |Z|(f) and φ(f) of R and C in series, four decades around f, and the
// corner frequency 1 / (2 pi R C).
Curve SeriesRcCurve(Ext C, Ext R, Ext f);
// The same in parallel.
Curve ParallelRcCurve(Ext C, Ext R, Ext f);
// |Z|(f) of a parallel resonant circuit over f0 ± 3 П, П = f0 / Q, with f0
// and Rp, the band edges where |Z| = Rp / √2, and the signal frequency fс
// with its |Z| where the window computed one.
Curve ResonanceCurve(Ext f0, Ext Q, Ext Rp, std::optional<Ext> fc);
// The attenuation of n filter sections, n σ1(2 Δf / П, β), dB, over
// Δf from 0 to 2 max(Δf, П), with the requirement S at Δf and the pass
// band's edge П / 2.
Curve FilterAttenuationCurve(Ext P, Ext beta, Ext df, int n, Ext S);

} // namespace velorix
