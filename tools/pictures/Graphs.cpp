// The design graphs of the lumped-selectivity filter window:
//   а) attenuation of one section σ1, dB (downwards), against αс, for β = 0 … 0.7;
//   б) the filter's transfer coefficient Кф against β, for n = 1 … 6 sections.
// The English rendering names them a) and b), α and Kf, with decimal points.
#include "FilterCurves.h"
#include "Pictures.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace pictures {

namespace {

// A plot area and the ranges it shows; y grows downwards when `down`.
struct Axes {
    QRectF area;
    double x0, x1, y0, y1;
    bool down;

    explicit Axes(const GraphArea &g)
        : area(g.left, g.top, g.width, g.height), x0(g.x0), x1(g.x1), y0(g.y0), y1(g.y1), down(g.down)
    {
    }

    QPointF at(double x, double y) const
    {
        const double fx = (x - x0) / (x1 - x0), fy = (y - y0) / (y1 - y0);
        return {area.left() + fx * area.width(),
                down ? area.top() + fy * area.height() : area.bottom() - fy * area.height()};
    }
};

// Tick text with a decimal comma, as in Russian drawings, or a decimal point
// in English ones.
QString Tick(const Sheet &s, double v, int decimals)
{
    const QString text = QString::number(v, 'f', decimals);
    return s.english() ? text : QString(text).replace(u'.', u',');
}

// Grid lines every `minor` (thin) and `major` (heavier, labelled) on both axes.
void Grid(Sheet &s, const Axes &a, double minorX, double majorX, int decX, double minorY, double majorY,
          int decY)
{
    QPainter &p = s.painter();
    p.save();
    const auto lines = [&](double from, double to, double step, double major, bool vertical, int decimals) {
        const int count = int(std::lround((to - from) / step));
        const int every = int(std::lround(major / step));
        for (int i = 0; i <= count; ++i) {
            const double v = from + i * step;
            const bool labelled = i % every == 0;
            p.setPen(QPen(QColor(labelled ? 120 : 200, labelled ? 120 : 200, labelled ? 120 : 200),
                          labelled ? 0.9 : 0.6));
            const QPointF a0 = vertical ? a.at(v, a.y0) : a.at(a.x0, v);
            const QPointF a1 = vertical ? a.at(v, a.y1) : a.at(a.x1, v);
            p.drawLine(a0, a1);
            if (!labelled)
                continue;
            if (vertical)
                s.text(QPointF(a0.x(), a.area.bottom() + 5), Tick(s, v, decimals),
                       Qt::AlignHCenter | Qt::AlignTop, 10);
            else
                s.text(QPointF(a.area.left() - 5, a0.y()), Tick(s, v, decimals),
                       Qt::AlignRight | Qt::AlignVCenter, 10);
        }
    };
    lines(a.x0, a.x1, minorX, majorX, true, decX);
    lines(std::min(a.y0, a.y1), std::max(a.y0, a.y1), minorY, majorY, false, decY);
    p.setPen(QPen(Qt::black, 1.4));
    p.drawRect(a.area);
    p.restore();
}

// One curve y(x) sampled finely and clipped to the plot; returns where the
// curve leaves the plot at its right-hand end.
QPointF Curve(Sheet &s, const Axes &a, const std::function<double(double)> &y)
{
    QPainterPath path;
    const int steps = 600;
    QPointF last;
    for (int i = 0; i <= steps; ++i) {
        const double x = a.x0 + (a.x1 - a.x0) * i / steps;
        const QPointF p = a.at(x, y(x));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
        if (a.area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p))
            last = p;
    }
    QPainter &p = s.painter();
    p.save();
    p.setClipRect(a.area);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawPath(path);
    p.restore();
    return last;
}

// Curve names in a column right of the plot, spread at least a line apart
// and joined to their curves' ends by thin leaders; the ends come from the
// top down.
void Names(Sheet &s, const Axes &a, const std::vector<QPointF> &ends, const QStringList &names)
{
    const double gap = 11;
    std::vector<double> ys;
    for (const QPointF &e : ends)
        ys.push_back(e.y());
    // Spread downwards, then shift back up if the column runs off the plot.
    for (size_t i = 1; i < ys.size(); ++i)
        ys[i] = std::max(ys[i], ys[i - 1] + gap);
    const double over = ys.back() - a.area.bottom();
    if (over > 0) {
        for (double &y : ys)
            y -= over;
        for (size_t i = ys.size() - 1; i-- > 0;)
            ys[i] = std::min(ys[i], ys[i + 1] - gap);
    }
    QPainter &p = s.painter();
    const double column = a.area.right() + 16;
    for (size_t i = 0; i < ys.size(); ++i) {
        p.save();
        p.setPen(QPen(QColor(90, 90, 90), 0.7));
        p.drawLine(ends[i], QPointF(column - 3, ys[i]));
        p.restore();
        s.text(QPointF(column, ys[i]), names[int(i)], Qt::AlignLeft | Qt::AlignVCenter, 10);
    }
}

// The graph's heading above its top-left corner, the y axis's name over the
// axis and the x axis's name under the tick labels.
void Titles(Sheet &s, const Axes &a, const char *heading, const char *yName, const char *xName)
{
    s.text(QPointF(8, a.area.top() - 22), heading, Qt::AlignLeft | Qt::AlignVCenter, 14);
    s.text(QPointF(a.area.left() + 6, a.area.top() - 9), yName, Qt::AlignLeft | Qt::AlignBottom);
    s.text(QPointF(a.area.center().x(), a.area.bottom() + 28), xName, Qt::AlignHCenter | Qt::AlignVCenter);
}

} // namespace

void DesignGraphs(Sheet &s)
{
    // а) σ1 from 0 (top) to 15 dB against αс from 0 to 3, one curve per β.
    const Axes att(kAttenuationGraph);
    Titles(s, att, s.say("а)", "a)"), s.say("σ_1, дБ", "σ_1, dB"), s.say("α_с", "α"));
    Grid(s, att, 0.1, 0.5, 1, 0.5, 1, 0);
    std::vector<QPointF> ends;
    QStringList names;
    for (int i = 7; i >= 0; --i) {
        const double beta = i / 10.0;
        ends.push_back(Curve(s, att, [beta](double alpha) { return SectionAttenuationDb(alpha, beta); }));
        names << (i == 0 ? QStringLiteral("β = 0") : Tick(s, beta, 1));
    }
    Names(s, att, ends, names);

    // б) Кф from 0 to 0.5 against β from 0 to 0.7, one curve per n.
    const Axes gain(kTransferGraph);
    Titles(s, gain, s.say("б)", "b)"), s.say("К_ф", "K_f"), "β");
    Grid(s, gain, 0.02, 0.1, 1, 0.01, 0.05, 2);
    ends.clear();
    names.clear();
    for (int n = 1; n <= 6; ++n) {
        ends.push_back(Curve(s, gain, [n](double beta) { return FilterTransfer(beta, n); }));
        names << QStringLiteral("n = %1").arg(n);
    }
    Names(s, gain, ends, names);
}

} // namespace pictures
