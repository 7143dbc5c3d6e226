#include "Characteristic.h"

#include "Circuits.h"
#include "FilterCurves.h"
#include "Reactance.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace velorix {

namespace {

// The values of the columns after the first at one sample point.
using Row = std::vector<Ext>;

// Points per decade of a logarithmic sweep, and intervals of a linear one.
constexpr int kPerDecade = 50;
constexpr int kIntervals = 240;

// centre / 100 to 100 centre, kPerDecade points a decade, the centre and
// both ends exact.
std::vector<Ext> LogSweep(Ext centre)
{
    std::vector<Ext> xs;
    for (int i = -2 * kPerDecade; i <= 2 * kPerDecade; ++i) {
        if (i == 0)
            xs.push_back(centre);
        else if (i == -2 * kPerDecade)
            xs.push_back(Store(centre / 100));
        else if (i == 2 * kPerDecade)
            xs.push_back(Store(centre * 100));
        else
            // The C library's long double pow may stay raw here: it only
            // places a sample, whose row is then computed by the formulas
            // (and on a binary128 long double the factor is rounded to the
            // extended format as the multiplication reads it).
            xs.push_back(Store(centre * std::pow(10.0L, static_cast<long double>(i) / kPerDecade)));
    }
    return xs;
}

// from to to in kIntervals equal steps, with the given points put in.
std::vector<Ext> LinearSweep(Ext from, Ext to, std::initializer_list<Ext> also)
{
    std::vector<Ext> xs;
    for (int i = 0; i <= kIntervals; ++i)
        xs.push_back(Store(from + (to - from) * i / kIntervals));
    for (Ext x : also) {
        if (x >= from && x <= to)
            xs.push_back(x);
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    return xs;
}

// The rows of every sample point, each computed by the window's formulas; a
// point where they fail (a value beyond the double range) is left out.
void Sample(Characteristic &c, const std::vector<Ext> &xs, const std::function<Row(Ext)> &row)
{
    for (Ext x : xs) {
        Row values;
        QStringList texts;
        try {
            values = row(x);
            values.insert(values.begin(), x);
            for (Ext v : values)
                texts << FormatNumber(v); // the overflow error on an infinite value
        } catch (const CalcError &) {
            ResetFloatEnvironment();
            continue;
        }
        for (size_t k = 0; k < values.size(); ++k) {
            c.columns[k].values.push_back(static_cast<double>(values[k].value()));
            c.columns[k].texts << texts[qsizetype(k)];
        }
    }
}

QString Text(Ext x) { return FormatNumber(x); }

// Ticks labelled as Velorix shows numbers.
void AddTick(Axis &axis, long double value)
{
    const double at =
        axis.scale == Scale::Log ? static_cast<double>(std::log10(value)) : static_cast<double>(value);
    if (!std::isfinite(at))
        return;
    axis.ticks.push_back(at);
    axis.tickTexts << FormatNumber(value);
}

// The axes' ticks and labels are placed with raw long double pow and log10,
// which may stay raw: they choose where ticks go and the round values they
// show, never a calculated result.

// 1, 2 or 5 times a power of ten, near a sixth of the span.
long double NiceStep(long double span)
{
    if (!(span > 0) || !std::isfinite(span))
        return 1;
    const long double raw = span / 6;
    const long double decade = std::pow(10.0L, std::floor(std::log10(raw)));
    const long double m = raw / decade;
    return (m < 1.5L ? 1 : m < 3.5L ? 2 : m < 7.5L ? 5 : 10) * decade;
}

// A linear axis over from to to, ticked at multiples of a round step.
Axis LinearAxis(const QString &title, long double from, long double to, long double step = 0)
{
    Axis a{title, Scale::Linear, static_cast<double>(from), static_cast<double>(to), {}, {}};
    if (step <= 0)
        step = NiceStep(to - from);
    const long double first = std::ceil(from / step - 1e-9L), last = std::floor(to / step + 1e-9L);
    for (long double k = first; k <= last; ++k)
        AddTick(a, k * step);
    return a;
}

// A linear axis from 0 (or below it) to a round value above the column's
// largest (and `also`).
Axis FittedLinearAxis(const Column &c, double also = 0)
{
    const auto [lo, hi] = std::minmax_element(c.values.begin(), c.values.end());
    const long double low = std::min({*lo, 0.0, also}), high = std::max({*hi, also});
    const long double span = high > low ? high - low : std::max(std::fabs(high), 1.0L);
    const long double step = NiceStep(span);
    return LinearAxis(c.heading(), std::floor(low / step) * step, std::ceil(high / step) * step, step);
}

// A logarithmic axis over from to to, ticked at the decades (and at 2 and 5
// times them where fewer than three decades show, at every few decades
// where more than a dozen do).
Axis LogAxis(const QString &title, long double from, long double to)
{
    Axis a{title, Scale::Log, static_cast<double>(std::log10(from)), static_cast<double>(std::log10(to)),
           {},    {}};
    const int first = static_cast<int>(std::ceil(a.from - 1e-9)),
              last = static_cast<int>(std::floor(a.to + 1e-9));
    const bool few = last - first < 2;
    const int every = std::max(1, (last - first) / 12 + 1);
    for (int k = first - 1; k <= last; ++k) {
        for (int m : {1, 2, 5}) {
            if ((m != 1 && !few) || k % every != 0)
                continue;
            const long double v = m * std::pow(10.0L, k);
            if (v >= from * (1 - 1e-12L) && v <= to * (1 + 1e-12L))
                AddTick(a, v);
        }
    }
    return a;
}

// A logarithmic axis over the decades that hold the column's positive
// values (a value that rounded to 0 is left off the curve).
Axis FittedLogAxis(const Column &c)
{
    long double lo = HUGE_VALL, hi = 0;
    for (double v : c.values) {
        if (v > 0) {
            lo = std::min<long double>(lo, v);
            hi = std::max<long double>(hi, v);
        }
    }
    if (!(hi > 0))
        lo = hi = 1;
    return LogAxis(c.heading(), std::pow(10.0L, std::floor(std::log10(lo))),
                   std::pow(10.0L, std::ceil(std::log10(hi))));
}

bool Drawn(const Characteristic &c) { return c.columns.front().values.size() >= 2; }

Mark Point(Ext x, Ext y, int axis, const QString &tag, const QString &text)
{
    return {
        Mark::Kind::Point, static_cast<double>(x.value()), static_cast<double>(y.value()), axis, tag, text};
}

Mark VerticalLine(Ext x, const QString &tag, const QString &text)
{
    return {Mark::Kind::VerticalLine, static_cast<double>(x.value()), 0, 0, tag, text};
}

const QString kKHz = QStringLiteral("кГц");
const QString kOhm = QStringLiteral("Ом");

// A reactance X(f) on logarithmic axes, marked at the entered f.
std::optional<Characteristic> ReactanceCurve(const QString &name, Ext element, Ext f,
                                             Ext (*reactance)(Ext element, Ext f))
{
    if (!(element > 0) || !(f > 0))
        return std::nullopt;
    Characteristic c;
    c.title = name + QStringLiteral("(f)");
    c.columns = {{QStringLiteral("f"), kKHz, {}, {}}, {name, kOhm, {}, {}}};
    Sample(c, LogSweep(f), [&](Ext x) { return Row{reactance(element, x)}; });
    if (!Drawn(c))
        return std::nullopt;
    c.curves = {1};
    c.curveAxis = {0};
    c.x = LogAxis(c.columns[0].heading(), c.columns[0].values.front(), c.columns[0].values.back());
    c.yAxes = {FittedLogAxis(c.columns[1])};
    const Ext X = reactance(element, f);
    c.marks = {Point(f, X, 0, QStringLiteral("f"),
                     QStringLiteral("f = %1 кГц, %2 = %3 Ом").arg(Text(f), name, Text(X)))};
    return c;
}

// |Z|(f) and φ(f) of R and C, from the window's own chain of formulas,
// marked at the entered f and at the corner frequency.
std::optional<Characteristic> RcCurve(Ext C, Ext R, Ext f,
                                      const std::function<std::pair<Ext, Ext>(Ext)> &zPhi)
{
    if (!(C > 0) || !(R > 0) || !(f > 0))
        return std::nullopt;
    Characteristic c;
    c.title = QStringLiteral("|Z|(f), φ(f)");
    c.columns = {{QStringLiteral("f"), kKHz, {}, {}},
                 {QStringLiteral("|Z|"), kOhm, {}, {}},
                 {QStringLiteral("φ"), QStringLiteral("град"), {}, {}}};
    Sample(c, LogSweep(f), [&](Ext x) {
        const auto [Z, phi] = zPhi(x);
        return Row{Z, phi};
    });
    if (!Drawn(c))
        return std::nullopt;
    c.curves = {1, 2};
    c.curveAxis = {0, 1};
    c.x = LogAxis(c.columns[0].heading(), c.columns[0].values.front(), c.columns[0].values.back());
    c.yAxes = {FittedLogAxis(c.columns[1]), LinearAxis(c.columns[2].heading(), 0, 90, 15)};
    const auto [Z, phi] = zPhi(f);
    const Ext corner = Store(1000000 / (kTwoPi * R * C)); // 1 / (2 pi R C), kHz
    c.marks = {
        Point(f, Z, 0, QStringLiteral("f"), QStringLiteral("f = %1 кГц, |Z| = %2 Ом").arg(Text(f), Text(Z))),
        Point(f, phi, 1, QStringLiteral("f"),
              QStringLiteral("f = %1 кГц, φ = %2 град").arg(Text(f), Text(phi))),
        VerticalLine(corner, QStringLiteral("fср"),
                     QStringLiteral("fср = 1/(2πRC) = %1 кГц").arg(Text(corner)))};
    return c;
}

} // namespace

std::optional<Characteristic> CapacitorReactanceCurve(Ext C, Ext f)
{
    return ReactanceCurve(QStringLiteral("Xc"), C, f, CapacitorReactance);
}

std::optional<Characteristic> InductorReactanceCurve(Ext L, Ext f)
{
    return ReactanceCurve(QStringLiteral("XL"), L, f, InductorReactance);
}

std::optional<Characteristic> SeriesRcCurve(Ext C, Ext R, Ext f)
{
    return RcCurve(C, R, f, [C, R](Ext x) {
        const Ext Xc = CapacitorReactance(C, x);
        const Ext Z = RootSumSquare(R, Xc);
        return std::pair{Z, PhaseShift(R / Z) * kDegreesPerRadian};
    });
}

std::optional<Characteristic> ParallelRcCurve(Ext C, Ext R, Ext f)
{
    return RcCurve(C, R, f, [C, R](Ext x) {
        const Ext Xc = CapacitorReactance(C, x);
        const Ext g = Reciprocal(R);
        const Ext Y = RootSumSquare(g, Reciprocal(Xc));
        return std::pair{Reciprocal(Y), PhaseShift(g / Y) * kDegreesPerRadian};
    });
}

std::optional<Characteristic> ResonanceCurve(Ext f0, Ext Q, Ext Rp, std::optional<Ext> fc)
{
    if (!(f0 > 0) || !(Q > 0) || !(Rp > 0))
        return std::nullopt;
    const Ext P = Store(f0 / Q); // pass band, kHz
    Ext from = Store(f0 - 3 * P), to = Store(f0 + 3 * P);
    if (!(from > 0))
        from = Store(f0 / 100);
    // The signal frequency, where the window computed |Z| at one.
    const bool signal = fc && *fc > 0;
    const Ext fs = signal ? *fc : f0;
    from = std::min(from, fs);
    to = std::max(to, fs);
    Characteristic c;
    c.title = QStringLiteral("|Z|(f)");
    c.columns = {{QStringLiteral("f"), kKHz, {}, {}}, {QStringLiteral("|Z|"), kOhm, {}, {}}};
    Sample(c, LinearSweep(from, to, {f0, fs}), [&](Ext x) { return Row{ResonanceImpedance(f0, Q, Rp, x)}; });
    if (!Drawn(c))
        return std::nullopt;
    c.curves = {1};
    c.curveAxis = {0};
    c.x = LinearAxis(c.columns[0].heading(), from.value(), to.value());
    c.yAxes = {FittedLinearAxis(c.columns[1])};
    // The band's edges, where Q y = ±1: f0 (√(1 + h²) ∓ h), h = 1 / (2 Q).
    const Ext h = 1 / (2 * Q);
    const Ext s = Sqrt(1 + h * h);
    const Ext edge = Store(Rp / Sqrt(2));
    c.marks = {Point(f0, Rp, 0, QStringLiteral("f0"),
                     QStringLiteral("f0 = %1 кГц, Rp = %2 Ом").arg(Text(f0), Text(Rp)))};
    for (const Ext f : {Store(f0 * (s - h)), Store(f0 * (s + h))})
        c.marks.push_back(Point(
            f, edge, 0, QStringLiteral("Rp/√2"),
            QStringLiteral("граница полосы: f = %1 кГц, |Z| = Rp/√2 = %2 Ом").arg(Text(f), Text(edge))));
    if (signal) {
        const Ext Z = ResonanceImpedance(f0, Q, Rp, fs);
        c.marks.push_back(Point(fs, Z, 0, QStringLiteral("fс"),
                                QStringLiteral("fс = %1 кГц, |Z| = %2 Ом").arg(Text(fs), Text(Z))));
    }
    return c;
}

std::optional<Characteristic> FilterAttenuationCurve(Ext P, Ext beta, Ext df, int n, Ext S)
{
    if (!(P > 0) || n < 1 || !(beta >= 0))
        return std::nullopt;
    const auto attenuation = [&](Ext x) {
        const Ext alpha = RelativeDetuning(x, P);
        return Row{alpha, Ext(n * pictures::SectionAttenuationDb(static_cast<double>(alpha.value()),
                                                                 static_cast<double>(beta.value())))};
    };
    const Ext to = Store(2 * std::max(df < 0 ? -df : df, P));
    const Ext edge = Store(P / 2);
    Characteristic c;
    c.title = QStringLiteral("Ослабление(Δf)");
    c.columns = {{QStringLiteral("Δf"), kKHz, {}, {}},
                 {QStringLiteral("αс"), {}, {}, {}},
                 {QStringLiteral("Ослабление"), QStringLiteral("дБ"), {}, {}}};
    Sample(c, LinearSweep(0, to, {df, edge}), attenuation);
    if (!Drawn(c))
        return std::nullopt;
    c.curves = {2};
    c.curveAxis = {0};
    c.x = LinearAxis(c.columns[0].heading(), 0, to.value());
    c.yAxes = {FittedLinearAxis(c.columns[2], static_cast<double>(S.value()))};
    c.marks = {Point(df, S, 0, QStringLiteral("S"),
                     QStringLiteral("требование: S = %1 дБ при Δf = %2 кГц, у фильтра %3 дБ")
                         .arg(Text(S), Text(df), FormatFixed(attenuation(df)[1], 2))),
               VerticalLine(edge, QStringLiteral("П/2"),
                            QStringLiteral("граница полосы: П/2 = %1 кГц").arg(Text(edge)))};
    return c;
}

} // namespace velorix
