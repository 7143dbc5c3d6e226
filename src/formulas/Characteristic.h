// The characteristic of a calculator's circuit: one or two quantities over a
// range of frequencies around the entered one, sampled, with its axes and
// marks.  Every number in it is already written as Velorix shows numbers
// (FormatNumber, with the decimal separator in use when it was built), and
// the data types below are complete in this header, so whatever draws it (the
// plots module) needs neither this library nor the number module.  No widget
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
// same values as text.
struct Column {
    QString name; // "Xc", "|Z|"
    QString unit; // "Ом"; empty for a ratio
    std::vector<double> values;
    QStringList texts;

    // "Xc, Ом", or the name alone.
    QString heading() const { return unit.isEmpty() ? name : name + QStringLiteral(", ") + unit; }
};

// An axis: its title, its scale, the range it shows and its labelled ticks.
// Positions on a logarithmic axis are decimal logarithms of the values.
struct Axis {
    QString title;
    Scale scale = Scale::Linear;
    double from = 0, to = 1;
    std::vector<double> ticks;
    QStringList tickTexts;

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
    QString text; // "f = 1 кГц, Xc = 1591.54943091895 Ом"
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

// The characteristics of the calculators, each from what its window read and
// remembered, with f in kHz, C in nF, L in uH and R in Ohm.  Each curve
// takes the window's own formula at every sample point and has the entered
// value among its sample points.  None when the circuit has no curve to
// draw (a frequency, a capacitance, a resistance not above zero).

// Xc(f), f/100 to 100 f, both axes logarithmic.
std::optional<Characteristic> CapacitorReactanceCurve(Ext C, Ext f);
// XL(f), the same.
std::optional<Characteristic> InductorReactanceCurve(Ext L, Ext f);
// |Z|(f) and φ(f) of R and C in series, four decades around f, and the
// corner frequency 1 / (2 pi R C).
std::optional<Characteristic> SeriesRcCurve(Ext C, Ext R, Ext f);
// The same in parallel.
std::optional<Characteristic> ParallelRcCurve(Ext C, Ext R, Ext f);
// |Z|(f) of a parallel resonant circuit over f0 ± 3 П, П = f0 / Q, with f0
// and Rp, the band edges where |Z| = Rp / √2, and the signal frequency fс
// with its |Z| where the window computed one.
std::optional<Characteristic> ResonanceCurve(Ext f0, Ext Q, Ext Rp, std::optional<Ext> fc);
// The attenuation of n filter sections, n σ1(2 Δf / П, β), dB, over
// Δf from 0 to 2 max(Δf, П), with the requirement S at Δf and the pass
// band's edge П / 2.
std::optional<Characteristic> FilterAttenuationCurve(Ext P, Ext beta, Ext df, int n, Ext S);

} // namespace velorix
