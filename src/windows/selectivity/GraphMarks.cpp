#include "GraphMarks.h"

#include "FilterCurves.h"
#include "Numeric.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velorix {

namespace {

using pictures::GraphArea;

// The reading's colour, apart from the grey drawing.
const QColor kInk(176, 0, 32);

QRectF AreaOf(const GraphArea &g) { return {g.left, g.top, g.width, g.height}; }

// Where (x, y) lies on the picture.
QPointF At(const GraphArea &g, double x, double y)
{
    const double fx = (x - g.x0) / (g.x1 - g.x0), fy = (y - g.y0) / (g.y1 - g.y0);
    return {g.left + fx * g.width, g.down ? g.top + fy * g.height : g.top + g.height - fy * g.height};
}

// A point of a graph with dashed guides to its axes (left and bottom), and
// its reading beside it, inside the plot area, in the ink alone: no ground
// under it hides a curve of the picture.  A point off the graph is drawn
// hollow at the area's edge.
void DrawReading(QPainter &p, const GraphArea &g, double x, double y, const QString &text)
{
    const QRectF area = AreaOf(g);
    const QPointF exact = At(g, x, y);
    const QPointF point(std::clamp(exact.x(), area.left(), area.right()),
                        std::clamp(exact.y(), area.top(), area.bottom()));
    const bool inside = point == exact;
    p.save();
    p.setClipRect(area.adjusted(-1, -1, 1, 1));
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(point, QPointF(area.left(), point.y()));
    p.drawLine(point, QPointF(point.x(), area.bottom()));
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(inside ? QBrush(kInk) : QBrush(Qt::white));
    p.drawEllipse(point, 3.5, 3.5);

    const QFontMetricsF metrics(p.font());
    QRectF box = metrics.boundingRect(text).adjusted(-3, -1, 3, 1);
    box.moveBottomLeft(point + QPointF(6, -6));
    if (box.right() > area.right())
        box.moveRight(point.x() - 6);
    if (box.top() < area.top())
        box.moveTop(point.y() + 6);
    p.setPen(kInk);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

} // namespace

GraphMarks::GraphMarks(QLabel *graphs) : QWidget(graphs)
{
    setObjectName(QStringLiteral("GraphMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(graphs->rect());
    QFont font = graphs->font();
    font.setPixelSize(13);
    setFont(font);
    setAccessibleName(QCoreApplication::translate("GraphMarks", "Отсчёты по графикам"));
    hide(); // until there is a reading
}

namespace {

// A reading at x, none where the theory gives no finite number.
std::optional<GraphMarks::Reading> ReadingAt(double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    return GraphMarks::Reading{x, y};
}

// σ1 to 0.01 dB, Кф to 0.001, with the decimal separator in use.
QString AttenuationText(double dB) { return FormatFixed(dB, 2); }
QString TransferText(double k) { return FormatFixed(k, 3); }

} // namespace

void GraphMarks::setAttenuation(std::optional<double> alpha, double beta)
{
    set(attenuation_, alpha ? ReadingAt(*alpha, pictures::SectionAttenuationDb(*alpha, beta)) : std::nullopt);
}

void GraphMarks::setTransfer(std::optional<int> sections, double beta)
{
    set(transfer_, sections ? ReadingAt(beta, pictures::FilterTransfer(beta, *sections)) : std::nullopt);
}

QStringList GraphMarks::resultLines() const
{
    QStringList lines;
    if (attenuation_)
        lines << QCoreApplication::translate("GraphMarks", "σ1 по графику а)\t") +
                     AttenuationText(attenuation_->y);
    if (transfer_)
        lines << QCoreApplication::translate("GraphMarks", "Кф по графику б)\t") + TransferText(transfer_->y);
    return lines;
}

void GraphMarks::set(std::optional<Reading> &reading, std::optional<Reading> value)
{
    if (reading == value)
        return;
    reading = value;
    QStringList readings;
    if (attenuation_)
        readings
            << QCoreApplication::translate("GraphMarks", "σ1 ≈ %1 дБ").arg(AttenuationText(attenuation_->y));
    if (transfer_)
        readings << QCoreApplication::translate("GraphMarks", "Кф ≈ %1").arg(TransferText(transfer_->y));
    setAccessibleDescription(readings.join(QStringLiteral("; ")));
    setVisible(attenuation_ || transfer_);
    update();
}

void GraphMarks::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (attenuation_)
        DrawReading(
            p, pictures::kAttenuationGraph, attenuation_->x, attenuation_->y,
            QCoreApplication::translate("GraphMarks", "σ1 ≈ %1 дБ").arg(AttenuationText(attenuation_->y)));
    if (transfer_)
        DrawReading(p, pictures::kTransferGraph, transfer_->x, transfer_->y,
                    QCoreApplication::translate("GraphMarks", "Кф ≈ %1").arg(TransferText(transfer_->y)));
}

} // namespace velorix
