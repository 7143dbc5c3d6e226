#include "Characteristic.h"

#include "Circuits.h"
#include "FilterCurves.h"
#include "Passive.h"
#include "Reactance.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <tuple>

namespace velorix {

namespace {

// The values of the columns after the first at one sample point.
using Row = std::vector<Ext>;

// Sample points as extended values, not yet stored to double: Sample stores
// each, so that a point beyond the double range drops that point alone.
using Sweep = std::vector<long double>;

// Intervals of a sweep over the whole range, and of the denser one where the
// curve bends.
constexpr int kIntervals = 200;
constexpr int kDense = 60;

// n intervals from `from` to `to`, equal on a linear or a logarithmic scale.
void AddLinear(Sweep &xs, long double from, long double to, int n)
{
    for (int i = 0; i <= n; ++i)
        xs.push_back(from + (to - from) * i / n);
}

// The C library's long double log10 and pow may stay raw here: they only
// place sample points, each then stored to double, whose rows the formulas
// compute (on a binary128 long double a point may fall an ulp of double
// apart from x87's, and its row is still the formulas' own at that point).
void AddLog(Sweep &xs, long double from, long double to, int n)
{
    const long double a = std::log10(from), b = std::log10(to);
    for (int i = 0; i <= n; ++i)
        xs.push_back(std::pow(10.0L, a + (b - a) * i / n));
}

// The points of a sweep within from to to, in order, with the marked values
// there added, so that each is a sample point exactly.
Sweep Within(Sweep xs, long double from, long double to, std::initializer_list<Ext> marks)
{
    for (Ext x : marks)
        xs.push_back(x.value());
    std::erase_if(xs, [&](long double x) { return !(x >= from && x <= to); });
    std::sort(xs.begin(), xs.end());
    return xs;
}

// The rows of every sample point, each computed by the window's formulas; a
// point where they fail (a value beyond the double range) is left out.  Each
// point is stored as the window stores a value typed in, so a range's ends
// and marked points need no store of their own.
void Sample(Characteristic &c, const Sweep &xs, const std::function<Row(Ext)> &row)
{
    std::optional<Ext> last;
    for (long double raw : xs) {
        Row values;
        QStringList texts, readings;
        bool repeated = false;
        const auto failed = CatchCalcError([&] {
            const Ext x = Store(raw);
            repeated = last && x == *last;
            if (repeated)
                return;
            last = x;
            values = row(x);
            values.insert(values.begin(), x);
            for (Ext v : values) {
                texts << FormatNumber(v); // the overflow error on an infinite value
                readings << FormatSignificant(v, 6);
            }
        });
        if (failed || repeated)
            continue;
        for (size_t k = 0; k < values.size(); ++k) {
            c.columns[k].values.push_back(static_cast<double>(values[k].value()));
            c.columns[k].texts << texts[qsizetype(k)];
            c.columns[k].readings << readings[qsizetype(k)];
        }
    }
}

QString Text(Ext x) { return FormatSignificant(x, 6); }

QString Reading(double value)
{
    QString text; // none for a value beyond the double range
    CatchCalcError([&] { text = FormatSignificant(value, 6); });
    return text;
}

// A tick's label: the value in the general format, or where that runs
// beyond six characters, as a power of ten ("2E15").
QString TickLabel(long double v)
{
    const QString plain = FormatSignificant(v, 6);
    if (plain.size() - (v < 0 ? 1 : 0) <= 6 || v == 0)
        return plain;
    int e = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    long double m = v / std::pow(10.0L, e);
    if (std::fabs(m) >= 9.995L) {
        m /= 10;
        ++e;
    }
    return FormatSignificant(m, 3) + QLatin1Char('E') + FormatNumber(e);
}

// The units of frequency and resistance, in the edition's language.
QString KHz() { return QCoreApplication::translate("Characteristic", "кГц"); }
QString Ohm() { return QCoreApplication::translate("Characteristic", "Ом"); }

// The units an axis of a column may be labelled in, with how many of the
// column's unit each holds.
struct Unit {
    QString name;
    long double size;
};

std::vector<Unit> UnitsOf(const QString &unit)
{
    if (unit == KHz())
        return {{QCoreApplication::translate("Characteristic", "Гц"), 1e-3L},
                {unit, 1},
                {QCoreApplication::translate("Characteristic", "МГц"), 1e3L}};
    if (unit == Ohm())
        return {{unit, 1},
                {QCoreApplication::translate("Characteristic", "кОм"), 1e3L},
                {QCoreApplication::translate("Characteristic", "МОм"), 1e6L}};
    return {{unit, 1}};
}

// Labels the ticks (values in the column's unit) in the unit whose labels
// are the shortest: the fewest powers of ten, then the fewest characters,
// then the column's own unit.  Ticks that differ in less than their last
// four digits are labelled as offsets from the middle one, which the title
// names ("f − 10000000000000 кГц, МГц").
void LabelTicks(Axis &axis, const QString &name, const QString &unit, const std::vector<long double> &ticks)
{
    long double origin = 0;
    if (axis.scale == Scale::Linear && ticks.size() >= 2 &&
        ticks.back() - ticks.front() < 1e-4L * std::max(std::fabs(ticks.front()), std::fabs(ticks.back())))
        origin = ticks[ticks.size() / 2];
    QStringList best;
    QString bestUnit;
    std::pair<int, qsizetype> bestScore{INT_MAX, 0};
    for (const Unit &u : UnitsOf(unit)) {
        QStringList labels;
        std::pair<int, qsizetype> score{0, 0};
        for (long double v : ticks) {
            labels << TickLabel((v - origin) / u.size);
            score.first += labels.back().contains(QLatin1Char('E')) ? 1 : 0;
            score.second = std::max(score.second, labels.back().size());
        }
        if (score < bestScore || (score == bestScore && u.size == 1)) {
            bestScore = score;
            best = labels;
            bestUnit = u.name;
        }
    }
    axis.title = name;
    if (origin != 0)
        axis.title += QStringLiteral(" − ") + FormatNumber(origin) + QLatin1Char(' ') + unit;
    if (!bestUnit.isEmpty())
        axis.title += QStringLiteral(", ") + bestUnit;
    axis.tickTexts = best;
    for (long double v : ticks)
        axis.ticks.push_back(static_cast<double>(axis.scale == Scale::Log ? std::log10(v) : v));
}

// A few percent of the span beyond each end, so that no curve or mark
// touches the frame.
void AddMargins(Axis &a)
{
    const double margin = 0.04 * (a.to - a.from);
    a.from -= margin;
    a.to += margin;
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

// A linear axis of a column over from to to, ticked at multiples of a round
// step.
Axis LinearAxis(const Column &c, long double from, long double to, long double step = 0)
{
    Axis a{c.heading(), Scale::Linear, static_cast<double>(from), static_cast<double>(to), {}, {}};
    if (step <= 0)
        step = NiceStep(to - from);
    const long double first = std::ceil(from / step - 1e-9L), last = std::floor(to / step + 1e-9L);
    std::vector<long double> ticks;
    for (long double k = first; k <= last; ++k)
        ticks.push_back(k * step);
    LabelTicks(a, c.name, c.unit, ticks);
    AddMargins(a);
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
    return LinearAxis(c, std::floor(low / step) * step, std::ceil(high / step) * step, step);
}

// A logarithmic axis of a column over from to to, ticked at the decades
// (labelled at 2 and 5 times them too where fewer than three decades show,
// at every few decades where more than a dozen do), with minor ticks at 2
// and 5 times each decade while every decade is ticked.
Axis LogAxis(const Column &c, long double from, long double to)
{
    Axis a{
        c.heading(), Scale::Log, static_cast<double>(std::log10(from)), static_cast<double>(std::log10(to)),
        {},          {}};
    const int first = static_cast<int>(std::ceil(a.from - 1e-9)),
              last = static_cast<int>(std::floor(a.to + 1e-9));
    const bool few = last - first < 2;
    const int every = std::max(1, (last - first) / 12 + 1);
    std::vector<long double> ticks;
    for (int k = first - 1; k <= last; ++k) {
        for (int m : {1, 2, 5}) {
            const long double v = m * std::pow(10.0L, k);
            if (!(v >= from * (1 - 1e-12L) && v <= to * (1 + 1e-12L)))
                continue;
            if (m == 1 || few) {
                if (k % every == 0)
                    ticks.push_back(v);
            } else if (every == 1) {
                a.minorTicks.push_back(static_cast<double>(std::log10(v)));
            }
        }
    }
    LabelTicks(a, c.name, c.unit, ticks);
    AddMargins(a);
    return a;
}

// A logarithmic axis over the decades that hold the column's positive
// values (a value that rounded to 0 is left off the curve); a constant
// column gets the decade around its value.
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
    long double from = std::pow(10.0L, std::floor(std::log10(lo))),
                to = std::pow(10.0L, std::ceil(std::log10(hi)));
    if (!(to > from)) {
        from = lo / std::sqrt(10.0L);
        to = hi * std::sqrt(10.0L);
    }
    return LogAxis(c, from, to);
}

bool Drawn(const Characteristic &c) { return c.columns.front().values.size() >= 2; }

// No curve, and why.
Curve None(const QString &why) { return {std::nullopt, why}; }

// A value that a curve needs above zero: the reason when it is not.
std::optional<QString> NotPositive(const QString &name, Ext value, const QString &unit)
{
    if (value > 0)
        return std::nullopt;
    return QCoreApplication::translate("Characteristic", "%1 = %2%3 не больше нуля: кривой нет.")
        .arg(name, Text(value), unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
}

QString BeyondRange()
{
    return QCoreApplication::translate("Characteristic",
                                       "Значения кривой выходят за пределы чисел: кривой нет.");
}

Mark Point(Ext x, Ext y, int axis, const QString &tag, const QString &text)
{
    return {
        Mark::Kind::Point, static_cast<double>(x.value()), static_cast<double>(y.value()), axis, tag, text};
}

Mark VerticalLine(Ext x, const QString &tag, const QString &text)
{
    return {Mark::Kind::VerticalLine, static_cast<double>(x.value()), 0, 0, tag, text};
}

QString Input(const QString &name, Ext value, const QString &unit)
{
    return unit.isEmpty() ? QStringLiteral("%1 = %2").arg(name, Text(value))
                          : QStringLiteral("%1 = %2 %3").arg(name, Text(value), unit);
}

// f / 100 to 100 f on a logarithmic scale.
Sweep LogSweep(Ext f)
{
    Sweep xs;
    AddLog(xs, f.value() / 100, f.value() * 100, kIntervals);
    return xs;
}

// An x axis over the sample points.
Axis XAxis(const Characteristic &c, Scale scale)
{
    const Column &x = c.columns.front();
    return scale == Scale::Log ? LogAxis(x, x.values.front(), x.values.back())
                               : LinearAxis(x, x.values.front(), x.values.back());
}

// A reactance X(f) on logarithmic axes, marked at the entered f.
Curve ReactanceCurve(const QString &name, const QString &element, Ext value, const QString &unit, Ext f,
                     Ext (*reactance)(Ext element, Ext f))
{
    if (auto why = NotPositive(element, value, unit))
        return None(*why);
    if (auto why = NotPositive(QStringLiteral("f"), f, KHz()))
        return None(*why);
    Characteristic c;
    c.reading = Reading;
    c.title = name + QStringLiteral("(f)");
    c.columns = {{QStringLiteral("f"), KHz(), {}, {}}, {name, Ohm(), {}, {}}};
    Sample(c, Within(LogSweep(f), 0, HUGE_VALL, {f}), [&](Ext x) { return Row{reactance(value, x)}; });
    if (!Drawn(c))
        return None(BeyondRange());
    c.curves = {1};
    c.curveAxis = {0};
    c.x = XAxis(c, Scale::Log);
    c.yAxes = {FittedLogAxis(c.columns[1])};
    const Ext X = reactance(value, f);
    c.marks = {Point(
        f, X, 0, QStringLiteral("f"),
        QCoreApplication::translate("Characteristic", "f = %1 кГц, %2 = %3 Ом").arg(Text(f), name, Text(X)))};
    c.inputs = {Input(element, value, unit), Input(QStringLiteral("f"), f, KHz())};
    return {c, {}};
}

// |Z|(f) and φ(f) of R and C, from the window's own chain of formulas,
// marked at the entered f and at the corner frequency, and sampled densely
// within half a decade of the corner.
Curve RcCurve(Ext C, Ext R, Ext f, const std::function<std::pair<Ext, Ext>(Ext)> &zPhi)
{
    for (const auto &[name, value, unit] :
         {std::tuple{QStringLiteral("C"), C, QCoreApplication::translate("Characteristic", "нФ")},
          {QStringLiteral("R"), R, Ohm()},
          {QStringLiteral("f"), f, KHz()}}) {
        if (auto why = NotPositive(name, value, unit))
            return None(*why);
    }
    Characteristic c;
    c.reading = Reading;
    c.title = QStringLiteral("|Z|(f), φ(f)");
    c.columns = {{QStringLiteral("f"), KHz(), {}, {}},
                 {QStringLiteral("|Z|"), Ohm(), {}, {}},
                 {QStringLiteral("φ"), QCoreApplication::translate("Characteristic", "град"), {}, {}}};
    const Ext corner = 1000000 / (kTwoPi * R * C); // 1 / (2 pi R C), kHz
    Sweep xs = LogSweep(f);
    AddLog(xs, corner.value() / std::sqrt(10.0L), corner.value() * std::sqrt(10.0L), kDense);
    Sample(c, Within(xs, f.value() / 100, f.value() * 100, {f, corner}), [&](Ext x) {
        const auto [Z, phi] = zPhi(x);
        return Row{Z, phi};
    });
    if (!Drawn(c))
        return None(BeyondRange());
    c.curves = {1, 2};
    c.curveAxis = {0, 1};
    c.x = XAxis(c, Scale::Log);
    c.yAxes = {FittedLogAxis(c.columns[1]), LinearAxis(c.columns[2], 0, 90, 15)};
    const auto [Z, phi] = zPhi(f);
    c.marks = {
        Point(f, Z, 0, QStringLiteral("f"),
              QCoreApplication::translate("Characteristic", "f = %1 кГц, |Z| = %2 Ом").arg(Text(f), Text(Z))),
        Point(
            f, phi, 1, QStringLiteral("f"),
            QCoreApplication::translate("Characteristic", "f = %1 кГц, φ = %2 град").arg(Text(f), Text(phi))),
        VerticalLine(
            corner, QCoreApplication::translate("Characteristic", "fср"),
            QCoreApplication::translate("Characteristic", "fср = 1/(2πRC) = %1 кГц").arg(Text(corner)))};
    c.inputs = {Input(QStringLiteral("C"), C, QCoreApplication::translate("Characteristic", "нФ")),
                Input(QStringLiteral("R"), R, Ohm()), Input(QStringLiteral("f"), f, KHz())};
    return {c, {}};
}

} // namespace

Curve CapacitorReactanceCurve(Ext C, Ext f)
{
    return ReactanceCurve(QStringLiteral("Xc"), QStringLiteral("C"), C,
                          QCoreApplication::translate("Characteristic", "нФ"), f, CapacitorReactance);
}

Curve InductorReactanceCurve(Ext L, Ext f)
{
    return ReactanceCurve(QStringLiteral("XL"), QStringLiteral("L"), L,
                          QCoreApplication::translate("Characteristic", "мкГн"), f, InductorReactance);
}

Curve SeriesRcCurve(Ext C, Ext R, Ext f)
{
    return RcCurve(C, R, f, [C, R](Ext x) {
        const SeriesRcImpedance r = SeriesRcImpedanceOf(C, R, x);
        r.RaiseError();
        return std::pair{*r.Z, *r.phi};
    });
}

Curve ParallelRcCurve(Ext C, Ext R, Ext f)
{
    return RcCurve(C, R, f, [C, R](Ext x) {
        const ParallelRcAdmittance r = ParallelRcAdmittanceOf(C, R, x);
        r.RaiseError();
        return std::pair{*r.Z, ParallelRcPhase(*r.g, *r.Y)};
    });
}

Curve ResonanceCurve(Ext f0, Ext Q, Ext Rp, std::optional<Ext> fc)
{
    for (const auto &[name, value, unit] : {std::tuple{QStringLiteral("f0"), f0, KHz()},
                                            {QStringLiteral("Q"), Q, QString()},
                                            {QStringLiteral("Rp"), Rp, Ohm()}}) {
        if (auto why = NotPositive(name, value, unit))
            return None(*why);
    }
    const Ext P = f0 / Q; // pass band, kHz
    Ext from = f0 - 3 * P, to = f0 + 3 * P;
    if (!(from > 0))
        from = f0 / 100;
    // The signal frequency, where the window computed |Z| at one.
    const bool signal = fc && *fc > 0;
    const Ext fs = signal ? *fc : f0;
    from = std::min(from, fs);
    to = std::max(to, fs);
    // The band's edges, where Q y = ±1: f0 (√(1 + h²) ∓ h), h = 1 / (2 Q).
    const Ext h = 1 / (2 * Q);
    const Ext s = Sqrt(1 + h * h);
    const Ext low = f0 * (s - h), high = f0 * (s + h);
    Characteristic c;
    c.reading = Reading;
    c.title = QStringLiteral("|Z|(f)");
    c.columns = {{QStringLiteral("f"), KHz(), {}, {}}, {QStringLiteral("|Z|"), Ohm(), {}, {}}};
    // Over the whole range, and densely over f0 ± 1.5 П where the curve
    // bends, however far fс takes the range.
    Sweep xs;
    AddLinear(xs, from.value(), to.value(), kIntervals);
    AddLinear(xs, f0.value() - 1.5L * P.value(), f0.value() + 1.5L * P.value(), 2 * kDense);
    Sample(c, Within(xs, from.value(), to.value(), {f0, fs, low, high}),
           [&](Ext x) { return Row{ResonanceImpedance(f0, Q, Rp, x)}; });
    if (!Drawn(c))
        return None(BeyondRange());
    c.curves = {1};
    c.curveAxis = {0};
    c.x = XAxis(c, Scale::Linear);
    c.yAxes = {FittedLinearAxis(c.columns[1])};
    const Ext edge = Rp / Sqrt(2);
    c.marks = {Point(
        f0, Rp, 0, QStringLiteral("f0"),
        QCoreApplication::translate("Characteristic", "f0 = %1 кГц, Rp = %2 Ом").arg(Text(f0), Text(Rp)))};
    for (const Ext f : {low, high})
        c.marks.push_back(Point(
            f, edge, 0, QStringLiteral("Rp/√2"),
            QCoreApplication::translate("Characteristic", "граница полосы: f = %1 кГц, |Z| = Rp/√2 = %2 Ом")
                .arg(Text(f), Text(edge))));
    if (signal) {
        const Ext Z = ResonanceImpedance(f0, Q, Rp, fs);
        c.marks.push_back(Point(fs, Z, 0, QCoreApplication::translate("Characteristic", "fс"),
                                QCoreApplication::translate("Characteristic", "fс = %1 кГц, |Z| = %2 Ом")
                                    .arg(Text(fs), Text(Z))));
    }
    c.inputs = {Input(QStringLiteral("f0"), f0, KHz()), Input(QStringLiteral("Q"), Q, QString()),
                Input(QStringLiteral("Rp"), Rp, Ohm())};
    return {c, {}};
}

Curve FilterAttenuationCurve(Ext P, Ext beta, Ext df, int n, Ext S)
{
    if (auto why = NotPositive(QCoreApplication::translate("Characteristic", "П"), P, KHz()))
        return None(*why);
    if (auto why = NotPositive(QStringLiteral("n"), n, QString()))
        return None(*why);
    if (beta < 0)
        return None(
            QCoreApplication::translate("Characteristic", "β = %1 меньше нуля: кривой нет.").arg(Text(beta)));
    const auto attenuation = [&](Ext x) {
        const Ext alpha = RelativeDetuning(x, P);
        return Row{alpha, Ext(n * pictures::SectionAttenuationDb(static_cast<double>(alpha.value()),
                                                                 static_cast<double>(beta.value())))};
    };
    const long double to = 2 * std::max(std::fabs(df.value()), P.value());
    const Ext edge = P / 2;
    Characteristic c;
    c.reading = Reading;
    c.title = QCoreApplication::translate("Characteristic", "Ослабление(Δf)");
    c.columns = {{QStringLiteral("Δf"), KHz(), {}, {}},
                 {QCoreApplication::translate("Characteristic", "αс"), {}, {}, {}},
                 {QCoreApplication::translate("Characteristic", "Ослабление"),
                  QCoreApplication::translate("Characteristic", "дБ"),
                  {},
                  {}}};
    // Over the whole range, and densely where the curve bends: across the
    // band's edge and around Δf.
    Sweep xs;
    AddLinear(xs, 0, to, kIntervals);
    AddLinear(xs, edge.value() / 2, edge.value() * 1.5L, kDense);
    AddLinear(xs, df.value() - edge.value() / 2, df.value() + edge.value() / 2, kDense / 2);
    Sample(c, Within(xs, 0, to, {df, edge}), attenuation);
    if (!Drawn(c))
        return None(BeyondRange());
    c.curves = {2};
    c.curveAxis = {0};
    c.x = XAxis(c, Scale::Linear);
    c.yAxes = {FittedLinearAxis(c.columns[2], static_cast<double>(S.value()))};
    c.marks = {
        Point(df, S, 0, QStringLiteral("S"),
              QCoreApplication::translate("Characteristic",
                                          "требование: S = %1 дБ при Δf = %2 кГц, у фильтра %3 дБ")
                  .arg(Text(S), Text(df), FormatFixed(attenuation(df)[1], 2))),
        VerticalLine(
            edge, QCoreApplication::translate("Characteristic", "П/2"),
            QCoreApplication::translate("Characteristic", "граница полосы: П/2 = %1 кГц").arg(Text(edge)))};
    c.inputs = {Input(QCoreApplication::translate("Characteristic", "П"), P, KHz()),
                Input(QStringLiteral("β"), beta, QString()), Input(QStringLiteral("Δf"), df, KHz()),
                Input(QStringLiteral("n"), n, QString()),
                Input(QStringLiteral("S"), S, QCoreApplication::translate("Characteristic", "дБ"))};
    return {c, {}};
}

} // namespace velorix
