#include "Sheet.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace pictures {

namespace {

constexpr double kLine = 1.6;     // wire and outline width, px
constexpr double kGap = 4;        // between a symbol and its name, px
constexpr double kResistorL = 26; // resistor body, px (10 × 4 mm proportions)
constexpr double kResistorW = 10;
constexpr double kPlateGap = 6; // capacitor plates, px
constexpr double kPlateL = 20;
constexpr double kTurnR = 4.5;         // coil half-turn radius, px
constexpr double kSourceR = 11;        // source circles, px
constexpr double kTransistorR = 15;    // transistor circle, px
constexpr double kSubscriptDrop = 0.3; // below the baseline, in text heights

QFont TextFont(double size)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(size));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// One run of the name markup at one level: 0 line, -1 subscript, +1 superscript.
struct Run {
    QString text;
    int level;
};

bool RunsOn(QChar c) { return c.isDigit() || c.isLower(); }

std::vector<Run> Parse(const QString &markup)
{
    std::vector<Run> runs{{QString(), 0}};
    for (qsizetype i = 0; i < markup.size(); ++i) {
        const QChar c = markup[i];
        if ((c == u'_' || c == u'^') && i + 1 < markup.size()) {
            const int level = c == u'_' ? -1 : 1;
            QString part;
            if (markup[i + 1] == u'{') {
                const qsizetype end = markup.indexOf(u'}', i + 2);
                const qsizetype stop = end < 0 ? markup.size() : end;
                part = markup.mid(i + 2, stop - i - 2);
                i = stop;
            } else {
                qsizetype j = i + 1;
                while (j < markup.size() && RunsOn(markup[j]))
                    ++j;
                part = markup.mid(i + 1, j - i - 1);
                i = j - 1;
            }
            runs.push_back({part, level});
            runs.push_back({QString(), 0});
        } else {
            runs.back().text += c;
        }
    }
    return runs;
}

double RunSize(double size, int level) { return level == 0 ? size : size * 0.75; }

} // namespace

Sheet::Sheet(int width, int height, int scale, Language language)
    : image_(width * scale, height * scale, QImage::Format_RGB32), language_(language)
{
    // The painter draws in units and the device scales them, text included.
    image_.setDevicePixelRatio(scale);
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setPen(QPen(Qt::black, kLine, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setBrush(Qt::NoBrush);
}

QImage Sheet::finish()
{
    painter_.end();
    return image_.convertToFormat(QImage::Format_Grayscale8);
}

void Sheet::wire(std::initializer_list<QPointF> points)
{
    painter_.drawPolyline(points.begin(), int(points.size()));
}

void Sheet::node(QPointF p)
{
    painter_.save();
    painter_.setBrush(Qt::black);
    painter_.setPen(Qt::NoPen);
    painter_.drawEllipse(p, 2.6, 2.6);
    painter_.restore();
}

void Sheet::terminal(QPointF p)
{
    painter_.save();
    painter_.setBrush(Qt::white);
    painter_.drawEllipse(p, 3, 3);
    painter_.restore();
}

void Sheet::ground(QPointF p)
{
    wire({p, p + QPointF(0, 7)});
    for (int i = 0; i < 3; ++i) {
        const double half = 9 - 3.2 * i, y = p.y() + 7 + 3.5 * i;
        painter_.drawLine(QPointF(p.x() - half, y), QPointF(p.x() + half, y));
    }
}

template <class Body> void Sheet::between(QPointF a, QPointF b, double length, Body body)
{
    const QLineF line(a, b);
    const QPointF u = (b - a) / line.length();
    const QPointF c = (a + b) / 2;
    painter_.drawLine(a, c - u * (length / 2));
    painter_.drawLine(c + u * (length / 2), b);
    painter_.save();
    painter_.translate(c);
    painter_.rotate(std::atan2(u.y(), u.x()) * 180 / M_PI);
    body();
    painter_.restore();
}

void Sheet::name(QPointF a, QPointF b, double halfLength, double halfWidth, const Tag &tag)
{
    if (tag.text.isEmpty())
        return;
    const QPointF c = (a + b) / 2;
    const bool vertical = std::abs(b.y() - a.y()) > std::abs(b.x() - a.x());
    const double hx = (vertical ? halfWidth : halfLength) + kGap;
    const double hy = (vertical ? halfLength : halfWidth) + kGap;
    Side side = tag.side;
    if (side == Side::Auto)
        side = vertical ? Side::Right : Side::Above;
    switch (side) {
    case Side::Left:
        text(c - QPointF(hx, 0), tag.text, Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Side::Above:
        text(c - QPointF(0, hy), tag.text, Qt::AlignHCenter | Qt::AlignBottom);
        break;
    case Side::Below:
        text(c + QPointF(0, hy), tag.text, Qt::AlignHCenter | Qt::AlignTop);
        break;
    default:
        text(c + QPointF(hx, 0), tag.text, Qt::AlignLeft | Qt::AlignVCenter);
        break;
    }
}

void Sheet::resistor(QPointF a, QPointF b, const Tag &tag)
{
    between(a, b, kResistorL, [this] {
        painter_.save();
        painter_.setBrush(Qt::white);
        painter_.drawRect(QRectF(-kResistorL / 2, -kResistorW / 2, kResistorL, kResistorW));
        painter_.restore();
    });
    name(a, b, kResistorL / 2, kResistorW / 2, tag);
}

void Sheet::capacitor(QPointF a, QPointF b, const Tag &tag)
{
    between(a, b, kPlateGap, [this] {
        painter_.save();
        painter_.setPen(QPen(Qt::black, kLine * 1.25, Qt::SolidLine, Qt::FlatCap));
        for (double x : {-kPlateGap / 2, kPlateGap / 2})
            painter_.drawLine(QPointF(x, -kPlateL / 2), QPointF(x, kPlateL / 2));
        painter_.restore();
    });
    name(a, b, kPlateGap / 2, kPlateL / 2, tag);
}

QPointF Sheet::inductor(QPointF a, QPointF b, const Tag &tag, bool mirror, int turns, double tap)
{
    const double length = 2 * kTurnR * turns;
    const double sweep = mirror ? 180 : -180;
    between(a, b, length, [&] {
        QPainterPath path(QPointF(-length / 2, 0));
        for (int i = 0; i < turns; ++i)
            path.arcTo(QRectF(-length / 2 + 2 * kTurnR * i, -kTurnR, 2 * kTurnR, 2 * kTurnR), 180, sweep);
        painter_.drawPath(path);
    });
    // The name goes on the bulging side unless the picture says otherwise.
    Tag named = tag;
    const QPointF u = (b - a) / QLineF(a, b).length();
    const QPointF bulge = QPointF(u.y(), -u.x()) * (mirror ? -1 : 1);
    if (named.side == Side::Auto)
        named.side = std::abs(bulge.x()) > std::abs(bulge.y()) ? (bulge.x() > 0 ? Side::Right : Side::Left)
                                                               : (bulge.y() > 0 ? Side::Below : Side::Above);
    name(a, b, length / 2, kTurnR, named);

    if (tap < 0)
        return {};
    const int k = std::clamp(int(std::lround(tap * turns)), 1, turns - 1);
    const QPointF junction = (a + b) / 2 + u * (-length / 2 + 2 * kTurnR * k);
    const QPointF end = junction + bulge * (kTurnR + 5);
    wire({junction, end});
    return end;
}

void Sheet::battery(QPointF a, QPointF b, const Tag &tag)
{
    between(a, b, kPlateGap, [this] {
        painter_.drawLine(QPointF(-kPlateGap / 2, -12), QPointF(-kPlateGap / 2, 12));
        painter_.save();
        painter_.setPen(QPen(Qt::black, 3.5, Qt::SolidLine, Qt::FlatCap));
        painter_.drawLine(QPointF(kPlateGap / 2, -6), QPointF(kPlateGap / 2, 6));
        painter_.restore();
    });
    name(a, b, kPlateGap / 2, 12, tag);
    // "+" by the long plate, on the side away from the name.
    const QPointF u = (b - a) / QLineF(a, b).length();
    const bool vertical = std::abs(u.y()) > std::abs(u.x());
    const QPointF c = (a + b) / 2 - u * 9;
    if (vertical) {
        const bool left = tag.side != Side::Left;
        text(c + QPointF(left ? -9 : 9, 0), "+", (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    } else {
        const bool above = tag.side == Side::Below;
        text(c + QPointF(0, above ? -9 : 9), "+",
             Qt::AlignHCenter | (above ? Qt::AlignBottom : Qt::AlignTop));
    }
}

void Sheet::circleBody(QPointF a, QPointF b, const Tag &tag)
{
    between(a, b, 2 * kSourceR, [this] {
        painter_.save();
        painter_.setBrush(Qt::white);
        painter_.drawEllipse(QPointF(0, 0), kSourceR, kSourceR);
        painter_.restore();
    });
    name(a, b, kSourceR, kSourceR, tag);
}

void Sheet::source(QPointF a, QPointF b, const Tag &tag)
{
    circleBody(a, b, tag);
    const QPointF c = (a + b) / 2;
    QPainterPath sine;
    for (int i = 0; i <= 24; ++i) {
        const QPointF p = c + QPointF(-6.5 + 13.0 * i / 24, -3.5 * std::sin(2 * M_PI * i / 24));
        if (i == 0)
            sine.moveTo(p);
        else
            sine.lineTo(p);
    }
    painter_.drawPath(sine);
}

void Sheet::currentSource(QPointF a, QPointF b, const Tag &tag)
{
    circleBody(a, b, tag);
    const QPointF c = (a + b) / 2;
    const QPointF u = (b - a) / QLineF(a, b).length();
    arrow(c - u * 7, c + u * 7);
}

Transistor Sheet::transistor(QPointF centre, bool pnp, const Tag &tag, bool mirror, bool flip)
{
    const double r = kTransistorR, sx = mirror ? -1 : 1, sy = flip ? -1 : 1;
    const auto at = [&](double x, double y) { return centre + QPointF(sx * x * r, sy * y * r); };
    painter_.save();
    painter_.setBrush(Qt::white);
    painter_.drawEllipse(centre, r, r);
    painter_.restore();

    const double bar = -0.3;
    painter_.save();
    painter_.setPen(QPen(Qt::black, kLine * 1.5, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(at(bar, -0.55), at(bar, 0.55));
    painter_.restore();
    wire({at(-1, 0), at(bar, 0)});
    wire({at(bar, -0.22), at(0.4, -0.6), at(0.4, -1)});
    wire({at(bar, 0.22), at(0.4, 0.6), at(0.4, 1)});
    // Emitter arrow: out of the transistor for NPN, into it for PNP.
    const QPointF from = at(bar, 0.22), to = at(0.4, 0.6);
    QPointF u = (to - from) / QLineF(from, to).length();
    QPointF tip = from + (to - from) * 0.85;
    if (pnp) {
        u = -u;
        tip = from + (to - from) * 0.3;
    }
    const QPointF n(-u.y(), u.x());
    painter_.save();
    painter_.setBrush(Qt::black);
    painter_.setPen(Qt::NoPen);
    painter_.drawPolygon(QPolygonF{tip, tip - u * 6.5 + n * 2.8, tip - u * 6.5 - n * 2.8});
    painter_.restore();

    if (!tag.text.isEmpty())
        text(centre + QPointF(sx * 0.8 * r, -0.8 * r), tag.text,
             (mirror ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom);
    return {at(-1, 0), at(0.4, -1), at(0.4, 1)};
}

Crystal Sheet::crystal(QPointF centre, const Tag &tag)
{
    const auto at = [&](double x, double y) { return centre + QPointF(x, y); };
    painter_.save();
    painter_.setBrush(Qt::white);
    painter_.drawRect(QRectF(at(-14, -5), QSizeF(28, 10)));
    painter_.setPen(QPen(Qt::black, kLine * 1.25, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(at(-14, -8.5), at(-2.5, -8.5));
    painter_.drawLine(at(2.5, -8.5), at(14, -8.5));
    painter_.drawLine(at(-14, 8.5), at(14, 8.5));
    painter_.restore();
    wire({at(-8, -8.5), at(-8, -18)});
    wire({at(8, -8.5), at(8, -18)});
    wire({at(0, 8.5), at(0, 18)});
    if (!tag.text.isEmpty())
        text(at(17, 3), tag.text, Qt::AlignLeft | Qt::AlignVCenter);
    return {at(-8, -18), at(8, -18), at(0, 18)};
}

void Sheet::arrow(QPointF a, QPointF b, bool both)
{
    const QPointF u = (b - a) / QLineF(a, b).length(), n(-u.y(), u.x());
    const double head = 7, half = 2.8;
    painter_.drawLine(both ? a + u * head * 0.8 : a, b - u * head * 0.8);
    painter_.save();
    painter_.setBrush(Qt::black);
    painter_.setPen(Qt::NoPen);
    painter_.drawPolygon(QPolygonF{b, b - u * head + n * half, b - u * head - n * half});
    if (both)
        painter_.drawPolygon(QPolygonF{a, a + u * head + n * half, a + u * head - n * half});
    painter_.restore();
}

void Sheet::core(QPointF a, QPointF b)
{
    const QPointF u = (b - a) / QLineF(a, b).length(), n(-u.y() * 2, u.x() * 2);
    painter_.drawLine(a + n, b + n);
    painter_.drawLine(a - n, b - n);
}

void Sheet::check(const QString &text)
{
    if (language_ == Language::English)
        untranslated_ = untranslated_ || std::any_of(text.begin(), text.end(), [](QChar c) {
                            return c.script() == QChar::Script_Cyrillic;
                        });
}

void Sheet::paragraph(const QRectF &box, const QString &text, double size)
{
    check(text);
    painter_.save();
    painter_.setFont(TextFont(size > 0 ? size : textSize_));
    painter_.setPen(Qt::black);
    painter_.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    painter_.restore();
}

double Sheet::textWidth(const QString &markup, double size) const
{
    if (size <= 0)
        size = textSize_;
    double width = 0;
    for (const Run &run : Parse(markup))
        width += QFontMetricsF(TextFont(RunSize(size, run.level))).horizontalAdvance(run.text);
    return width;
}

void Sheet::text(QPointF p, const QString &markup, Qt::Alignment align, double size)
{
    check(markup);
    if (size <= 0)
        size = textSize_;
    const double width = textWidth(markup, size);
    const double cap = QFontMetricsF(TextFont(size)).capHeight();
    double x = p.x(), baseline = p.y() + cap / 2;
    if (align & Qt::AlignRight)
        x -= width;
    else if (align & Qt::AlignHCenter)
        x -= width / 2;
    const std::vector<Run> runs = Parse(markup);
    const bool subscripted = std::any_of(runs.begin(), runs.end(), [](const Run &r) { return r.level < 0; });
    if (align & Qt::AlignTop)
        baseline = p.y() + cap;
    else if (align & Qt::AlignBottom) // the subscripts' foot on p
        baseline = p.y() - (subscripted ? kSubscriptDrop * size : 0);
    painter_.save();
    painter_.setPen(Qt::black);
    for (const Run &run : runs) {
        const QFont font = TextFont(RunSize(size, run.level));
        painter_.setFont(font);
        const double shift = run.level < 0 ? size * kSubscriptDrop : run.level > 0 ? -size * 0.45 : 0;
        painter_.drawText(QPointF(x, baseline + shift), run.text);
        x += QFontMetricsF(font).horizontalAdvance(run.text);
    }
    painter_.restore();
}

} // namespace pictures
