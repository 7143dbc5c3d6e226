#include "PlotWindow.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPdfWriter>
#include <QRubberBand>
#include <QScatterSeries>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <map>

using velorix::Axis;
using velorix::Characteristic;
using velorix::Column;
using velorix::Mark;

namespace {

// Held curves kept at most.
constexpr size_t kMaxHeld = 5;

// The marks' and the readout's own z order in the chart: above the series,
// below nothing; the minor grid lines with the chart's grid.
constexpr qreal kTextZ = 20;
constexpr qreal kGridZ = 2;

// An axis labelled with the characteristic's own tick texts (numbers as
// Velorix shows them, with the separator in use) at their positions.
QCategoryAxis *MakeAxis(const Axis &a)
{
    auto *axis = new QCategoryAxis;
    axis->setTitleText(a.title);
    axis->setRange(a.from, a.to);
    axis->setStartValue(a.from);
    for (size_t i = 0; i < a.ticks.size(); ++i)
        axis->append(a.tickTexts[qsizetype(i)], a.ticks[i]);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    return axis;
}

bool Within(double v, double from, double to) { return std::isfinite(v) && v >= from && v <= to; }

void HideFromLegend(QChart *chart, QAbstractSeries *series)
{
    for (QLegendMarker *marker : chart->legend()->markers(series))
        marker->setVisible(false);
}

QAction *AddAction(QWidget *window, const QString &text, const QKeySequence &keys, std::function<void()> run)
{
    auto *action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window, std::move(run));
    window->addAction(action);
    return action;
}

// Whether a polyline crosses or enters a rectangle.
bool Crosses(const QPolygonF &line, const QRectF &box)
{
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (box.contains(line[i]))
            return true;
        if (i == 0)
            continue;
        const QLineF segment(line[i - 1], line[i]);
        for (const QLineF &edge : edges) {
            if (segment.intersects(edge, nullptr) == QLineF::BoundedIntersection)
                return true;
        }
    }
    return false;
}

// The values that tell a held curve from the current one ("Q = 50").
QString HeldLabel(const Characteristic &held, const Characteristic &current)
{
    QStringList differ;
    for (const QString &input : held.inputs) {
        if (!current.inputs.contains(input))
            differ << input;
    }
    return differ.isEmpty() ? QCoreApplication::translate("PlotWindow", "закреплённая")
                            : differ.join(QStringLiteral(", "));
}

QString Reading(const Column &column, size_t row)
{
    return column.name + QStringLiteral(" = ") + column.readings.value(qsizetype(row)) +
           (column.unit.isEmpty() ? QString() : QLatin1Char(' ') + column.unit);
}

} // namespace

PlotWindow::PlotWindow(const QWidget *calculator, PlotHost host)
    : QWidget(nullptr, Qt::Window), host_(std::move(host)), chart_(new QChart),
      view_(new QChartView(chart_, this)), status_(new QLabel(this)), marks_(new QLabel(this)),
      readout_(new QLabel(this)), band_(new QRubberBand(QRubberBand::Rectangle, view_->viewport()))
{
    setObjectName(calculator->objectName() + QStringLiteral("Plot"));
    setWindowTitle(calculator->windowTitle() +
                   QCoreApplication::translate("PlotWindow", " — характеристика"));
    setAttribute(Qt::WA_QuitOnClose, false);
    view_->setRenderHint(QPainter::Antialiasing);
    // A right click anywhere opens the window's own menu.
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    view_->installEventFilter(this);
    view_->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(view_);
    view_->setAccessibleName(windowTitle());
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->setBackgroundRoundness(0);
    // Under the plot, why it is out of date, what its marks state, and the
    // sample points under the cursors.
    status_->setObjectName(QStringLiteral("Status"));
    status_->setWordWrap(true);
    QFont bold = status_->font();
    bold.setBold(true);
    status_->setFont(bold);
    status_->hide();
    marks_->setObjectName(QStringLiteral("Marks"));
    marks_->setWordWrap(true);
    marks_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setObjectName(QStringLiteral("Readout"));
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setMinimumHeight(readout_->fontMetrics().lineSpacing() * 2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(status_);
    layout->addWidget(marks_);
    layout->addWidget(readout_);

    AddAction(this, QCoreApplication::translate("PlotWindow", "Копировать данные"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
              [this] {
                  if (current())
                      QGuiApplication::clipboard()->setText(dataText());
              })
        ->setObjectName(QStringLiteral("CopyData"));
    AddAction(this, QCoreApplication::translate("PlotWindow", "Копировать изображение"),
              QKeySequence(Qt::CTRL | Qt::Key_C),
              [this] {
                  if (current())
                      QGuiApplication::clipboard()->setImage(image(devicePixelRatioF()));
              })
        ->setObjectName(QStringLiteral("CopyImage"));
    AddAction(this, QCoreApplication::translate("PlotWindow", "Копировать отсчёты"), QKeySequence(), [this] {
        // The marks' text, and the readings of the cursors when there are.
        if (current())
            QGuiApplication::clipboard()->setText(readout_->text().isEmpty()
                                                      ? exportText()
                                                      : exportText() + QLatin1Char('\n') + readout_->text());
    })->setObjectName(QStringLiteral("CopyReadings"));
    AddAction(this, QCoreApplication::translate("PlotWindow", "Сохранить…"),
              QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
                  if (current())
                      save();
              });
    AddAction(this, QCoreApplication::translate("PlotWindow", "Закрепить кривую"),
              QKeySequence(Qt::CTRL | Qt::Key_H), [this] { holdCurve(); })
        ->setObjectName(QStringLiteral("HoldCurve"));
    AddAction(this, QCoreApplication::translate("PlotWindow", "Убрать закреплённые"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H),
              [this] {
                  held_.clear();
                  redraw();
              })
        ->setObjectName(QStringLiteral("ClearHeld"));
    AddAction(this, QCoreApplication::translate("PlotWindow", "Показать всё"),
              QKeySequence(Qt::Key_Backspace),
              [this] {
                  chart_->zoomReset();
                  placeOverlays();
              })
        ->setObjectName(QStringLiteral("ShowAll"));
    AddAction(this, QCoreApplication::translate("PlotWindow", "Закрыть"), QKeySequence(Qt::Key_Escape),
              [this] { close(); });
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(chart_, &QChart::plotAreaChanged, this, &PlotWindow::placeOverlays);
    // About a hundred characters by thirty lines of the window's font.
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 100, metrics.lineSpacing() * 34);
    redraw();
}

void PlotWindow::draw(const velorix::Curve &curve)
{
    if (curve.characteristic) {
        data_ = curve.characteristic;
        none_.clear();
        cursor_.reset();
        second_.reset();
    } else {
        none_ = curve.none;
    }
    chart_->zoomReset();
    redraw();
}

QString PlotWindow::dataText() const
{
    if (!current())
        return QString();
    QString text = data_->dataText(windowTitle());
    if (held_.empty())
        return text;
    // Each held curve's columns after the current ones, its label in their
    // headings; a held curve with fewer sample points leaves its cells empty.
    QStringList lines = text.split(QLatin1Char('\n'));
    for (const Characteristic &h : held_) {
        const QString label = QStringLiteral(" (") + HeldLabel(h, *data_) + QLatin1Char(')');
        const qsizetype rows = h.columns.front().texts.size();
        while (lines.size() < rows + 2)
            lines << QString(QLatin1Char('\t')).repeated(qsizetype(data_->columns.size()) - 1);
        for (const Column &c : h.columns)
            lines[1] += QLatin1Char('\t') + c.heading() + label;
        for (qsizetype i = 0; i + 2 < lines.size(); ++i) {
            for (const Column &c : h.columns)
                lines[i + 2] += QLatin1Char('\t') + c.texts.value(i);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void PlotWindow::holdCurve()
{
    if (!current())
        return;
    if (held_.size() == kMaxHeld)
        held_.erase(held_.begin());
    held_.push_back(*data_);
    redraw();
}

void PlotWindow::redraw()
{
    const bool dark = !exporting_ && host_.isDark && host_.isDark(palette());
    chart_->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart_->setBackgroundRoundness(0);
    chart_->setBackgroundPen(Qt::NoPen);
    if (exporting_)
        chart_->setBackgroundBrush(Qt::white);
    chart_->removeAllSeries();
    for (QAbstractAxis *axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    for (const MarkText &m : markTexts_)
        delete m.item;
    markTexts_.clear();
    for (QGraphicsLineItem *line : minorGrid_)
        delete line;
    minorGrid_.clear();
    curves_.clear();
    hover_.clear();
    hover2_.clear();
    readout_->clear();
    for (QAction *action : actions()) {
        const QString name = action->objectName();
        if (name == QLatin1String("CopyData") || name == QLatin1String("CopyImage") ||
            name == QLatin1String("CopyReadings") || name == QLatin1String("HoldCurve"))
            action->setEnabled(current());
        else if (name == QLatin1String("ClearHeld"))
            action->setEnabled(!held_.empty());
    }
    status_->setVisible(data_ && !none_.isEmpty());
    status_->setText(data_ ? none_ : QString());
    if (!data_) {
        chart_->setTitle(none_);
        view_->setAccessibleDescription(none_);
        marks_->clear();
        return;
    }
    const Characteristic &c = *data_;
    chart_->setTitle(c.title);
    view_->setAccessibleDescription(current() ? c.marksText() : none_ + QLatin1Char(' ') + c.marksText());

    QCategoryAxis *x = MakeAxis(c.x);
    chart_->addAxis(x, Qt::AlignBottom);
    std::vector<QCategoryAxis *> ys;
    for (size_t k = 0; k < c.yAxes.size(); ++k) {
        ys.push_back(MakeAxis(c.yAxes[k]));
        chart_->addAxis(ys.back(), k == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    // Minor grid lines, lighter than the axes' own.
    QColor minor = x->gridLineColor();
    minor.setAlphaF(minor.alphaF() * 0.4f);
    for (size_t n = 0; n < c.x.minorTicks.size() + c.yAxes.front().minorTicks.size(); ++n) {
        auto *line = new QGraphicsLineItem(chart_);
        line->setPen(QPen(minor, 1));
        line->setZValue(kGridZ);
        minorGrid_.push_back(line);
    }
    // The axes follow a zoom; the overlays follow the axes.
    connect(x, &QValueAxis::rangeChanged, this, &PlotWindow::placeOverlays);

    // The current curves first, so that they take the theme's colours; the
    // held ones in muted versions of them.
    drawCurves(c, false, QString());
    for (const Characteristic &h : held_)
        drawCurves(h, true, HeldLabel(h, c));

    // The marks, in a colour apart from the curves', each with its text;
    // grey with the curves when out of date.
    const QColor ink = !current() ? QColor(150, 150, 150) : dark ? QColor(255, 120, 110) : QColor(190, 0, 40);
    const QBrush textBrush = current() ? x->labelsBrush() : QBrush(ink);
    std::vector<QScatterSeries *> points(c.yAxes.size(), nullptr);
    const auto attach = [&](QAbstractSeries *series, int axis) {
        chart_->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(ys[size_t(axis)]);
    };
    for (const Mark &m : c.marks) {
        const Axis &axis = c.yAxes[m.kind == Mark::Kind::Point ? size_t(m.axis) : 0];
        const double px = c.x.position(m.x);
        QXYSeries *series = nullptr;
        QPointF at;
        if (m.kind == Mark::Kind::Point) {
            at = QPointF(px, axis.position(m.y));
            if (!Within(at.x(), c.x.from, c.x.to) || !Within(at.y(), axis.from, axis.to))
                continue;
            QScatterSeries *&s = points[size_t(m.axis)];
            if (!s) {
                s = new QScatterSeries;
                s->setMarkerSize(8);
                s->setColor(ink);
                s->setBorderColor(ink);
                attach(s, m.axis);
                HideFromLegend(chart_, s);
            }
            s->append(at);
            series = s;
        } else {
            if (!Within(px, c.x.from, c.x.to))
                continue;
            auto *line = new QLineSeries;
            line->append(px, axis.from);
            line->append(px, axis.to);
            line->setPen(QPen(ink, 1.5, Qt::DashLine));
            attach(line, 0);
            HideFromLegend(chart_, line);
            series = line;
            at = QPointF(px, axis.to);
        }
        auto *text = new QGraphicsSimpleTextItem(m.tag, chart_);
        text->setBrush(textBrush);
        text->setZValue(kTextZ);
        markTexts_.push_back({text, at, series, m.kind == Mark::Kind::VerticalLine, m.tag, m.text});
    }
    placeOverlays();
    showCursors();
}

void PlotWindow::drawCurves(const Characteristic &c, bool held, const QString &label)
{
    QAbstractAxis *x = chart_->axes(Qt::Horizontal).front();
    const QList<QAbstractAxis *> ys = chart_->axes(Qt::Vertical);
    const Column &xs = c.columns.front();
    const QColor grey(150, 150, 150);
    for (size_t i = 0; i < c.curves.size(); ++i) {
        const Column &column = c.columns[size_t(c.curves[i])];
        const Axis &axis = c.yAxes[size_t(c.curveAxis[i])];
        QList<QPointF> points;
        for (size_t j = 0; j < xs.values.size(); ++j) {
            const QPointF p(c.x.position(xs.values[j]), axis.position(column.values[j]));
            if (std::isfinite(p.x()) && std::isfinite(p.y()))
                points << p;
        }
        auto *curve = new QLineSeries;
        curve->setName(held ? column.heading() + QStringLiteral(" (") + label + QLatin1Char(')')
                            : column.heading());
        curve->replace(points);
        chart_->addSeries(curve);
        curve->attachAxis(x);
        curve->attachAxis(ys[c.curveAxis[i]]);
        QPen pen = curve->pen();
        if (held) {
            // A muted version of the current curve's colour, dashed.
            QColor muted = i < curves_.size() ? curves_[i]->pen().color() : pen.color();
            muted.setHsv(muted.hsvHue(), muted.hsvSaturation() / 3, std::min(255, muted.value() + 40));
            pen.setColor(muted);
            pen.setStyle(Qt::DashLine);
            pen.setWidthF(1.5);
        } else {
            pen.setWidthF(2);
            if (!current())
                pen.setColor(grey);
        }
        curve->setPen(pen);
        if (held)
            continue;
        curves_.push_back(curve);
        for (auto *list : {&hover_, &hover2_}) {
            auto *hover = new QScatterSeries;
            hover->setMarkerSize(list == &hover_ ? 9 : 11);
            hover->setColor(list == &hover_ ? pen.color() : QColor(Qt::transparent));
            hover->setBorderColor(pen.color());
            chart_->addSeries(hover);
            hover->attachAxis(x);
            hover->attachAxis(ys[c.curveAxis[i]]);
            HideFromLegend(chart_, hover);
            list->push_back(hover);
        }
    }
}

void PlotWindow::placeOverlays()
{
    if (!data_ || curves_.empty())
        return;
    const QRectF area = chart_->plotArea();
    const Characteristic &c = *data_;
    size_t n = 0;
    for (double at : c.x.minorTicks) {
        const double px = chart_->mapToPosition(QPointF(at, 0), curves_.front()).x();
        minorGrid_[n]->setLine(px, area.top(), px, area.bottom());
        minorGrid_[n++]->setVisible(px > area.left() && px < area.right());
    }
    for (double at : c.yAxes.front().minorTicks) {
        const double py = chart_->mapToPosition(QPointF(c.x.from, at), curves_.front()).y();
        minorGrid_[n]->setLine(area.left(), py, area.right(), py);
        minorGrid_[n++]->setVisible(py > area.top() && py < area.bottom());
    }
    placeMarkTexts();
}

// Each tag goes where it is clear of the curves, of the marked points and of
// the tags placed before it; one that cannot go clear anywhere becomes a
// number, explained in the text under the plot.
void PlotWindow::placeMarkTexts()
{
    const QRectF area = chart_->plotArea();
    std::vector<QPolygonF> lines;
    for (QXYSeries *curve : curves_) {
        QPolygonF line;
        for (const QPointF &p : curve->points())
            line << chart_->mapToPosition(p, curve);
        lines.push_back(line);
    }
    std::vector<QRectF> taken;
    for (const MarkText &m : markTexts_) {
        if (!m.vertical) {
            const QPointF p = chart_->mapToPosition(m.at, m.series);
            taken.emplace_back(p - QPointF(5, 5), QSizeF(10, 10));
        }
    }
    const auto clear = [&](const QRectF &box) {
        if (!area.contains(box))
            return false;
        for (const QRectF &t : taken) {
            if (t.intersects(box))
                return false;
        }
        for (const QPolygonF &line : lines) {
            if (Crosses(line, box))
                return false;
        }
        return true;
    };
    QStringList explained;
    int numbered = 0;
    for (MarkText &m : markTexts_) {
        const QPointF p = chart_->mapToPosition(m.at, m.series);
        const auto candidates = [&](QSizeF size) {
            std::vector<QRectF> boxes;
            if (m.vertical) {
                // Beside the line, from its top down.
                for (double down : {0.0, 0.2, 0.4, 0.6, 0.8}) {
                    const double y = area.top() + 4 + down * (area.height() - size.height() - 8);
                    boxes.emplace_back(QPointF(p.x() + 5, y), size);
                    boxes.emplace_back(QPointF(p.x() - 5 - size.width(), y), size);
                }
            } else {
                // Around the point, nearest first: diagonally, then beside it.
                for (double d : {6.0, 14.0, 28.0}) {
                    boxes.emplace_back(QPointF(p.x() + d, p.y() - d - size.height()), size);
                    boxes.emplace_back(QPointF(p.x() - d - size.width(), p.y() - d - size.height()), size);
                    boxes.emplace_back(QPointF(p.x() + d, p.y() + d), size);
                    boxes.emplace_back(QPointF(p.x() - d - size.width(), p.y() + d), size);
                    boxes.emplace_back(QPointF(p.x() + d + 2, p.y() - size.height() / 2), size);
                    boxes.emplace_back(QPointF(p.x() - d - 2 - size.width(), p.y() - size.height() / 2),
                                       size);
                }
            }
            return boxes;
        };
        const auto place = [&]() -> std::optional<QRectF> {
            for (const QRectF &box : candidates(m.item->boundingRect().size())) {
                if (clear(box))
                    return box;
            }
            return std::nullopt;
        };
        m.item->setText(m.tag);
        std::optional<QRectF> box = place();
        QString sentence = m.text;
        if (!box && data_->reading) {
            m.item->setText(data_->reading(++numbered));
            sentence = m.item->text() + QStringLiteral(" — ") + m.text;
            box = place();
            if (!box) {
                // Inside the plot beside the point, clear or not.
                QRectF first = candidates(m.item->boundingRect().size()).front();
                first.moveLeft(std::clamp(first.left(), area.left(), area.right() - first.width()));
                first.moveTop(std::clamp(first.top(), area.top(), area.bottom() - first.height()));
                box = first;
            }
        }
        taken.push_back(*box);
        m.item->setPos(box->topLeft());
        explained << sentence;
    }
    if (data_)
        marks_->setText(explained.join(QLatin1Char('\n')));
}

void PlotWindow::readAt(QPointF viewPoint, bool second)
{
    if (!data_ || curves_.empty())
        return;
    const QPointF inChart = chart_->mapFromScene(view_->mapToScene(viewPoint.toPoint()));
    if (!chart_->plotArea().contains(inChart))
        return;
    const double at = chart_->mapToValue(inChart, curves_.front()).x();
    const Characteristic &c = *data_;
    const std::vector<double> &xs = c.columns.front().values;
    size_t nearest = 0;
    for (size_t j = 1; j < xs.size(); ++j) {
        if (std::abs(c.x.position(xs[j]) - at) < std::abs(c.x.position(xs[nearest]) - at))
            nearest = j;
    }
    (second ? second_ : cursor_) = nearest;
    showCursors();
}

void PlotWindow::moveCursor(int steps, bool second)
{
    if (!data_ || curves_.empty())
        return;
    const long long last = static_cast<long long>(data_->columns.front().values.size()) - 1;
    std::optional<size_t> &cursor = second ? second_ : cursor_;
    const long long from = cursor ? static_cast<long long>(*cursor) : steps > 0 ? -1 : last + 1;
    cursor = size_t(std::clamp(from + steps, 0LL, last));
    showCursors();
}

void PlotWindow::showCursors()
{
    if (!data_ || curves_.empty())
        return;
    const Characteristic &c = *data_;
    const std::vector<double> &xs = c.columns.front().values;
    for (auto [cursor, hover] : {std::pair{cursor_, &hover_}, std::pair{second_, &hover2_}}) {
        for (size_t i = 0; i < curves_.size(); ++i) {
            if (!cursor || *cursor >= xs.size()) {
                (*hover)[i]->clear();
                continue;
            }
            const Axis &axis = c.yAxes[size_t(c.curveAxis[i])];
            const QPointF p(c.x.position(xs[*cursor]),
                            axis.position(c.columns[size_t(c.curves[i])].values[*cursor]));
            if (std::isfinite(p.y()))
                (*hover)[i]->replace(QList<QPointF>{p});
            else
                (*hover)[i]->clear();
        }
    }
    QStringList lines;
    if (cursor_ && *cursor_ < xs.size()) {
        QStringList parts;
        for (const Column &column : c.columns)
            parts << Reading(column, *cursor_);
        lines << parts.join(QStringLiteral("    "));
    }
    if (second_ && *second_ < xs.size()) {
        QStringList parts;
        for (const Column &column : c.columns)
            parts << Reading(column, *second_);
        lines << QCoreApplication::translate("PlotWindow", "второй курсор: ") +
                     parts.join(QStringLiteral("    "));
        if (cursor_ && *cursor_ < xs.size() && c.reading) {
            // The differences, second cursor less the first.
            QStringList deltas;
            for (const Column &column : c.columns)
                deltas << QStringLiteral("Δ") + column.name + QStringLiteral(" = ") +
                              c.reading(column.values[*second_] - column.values[*cursor_]) +
                              (column.unit.isEmpty() ? QString() : QLatin1Char(' ') + column.unit);
            lines << deltas.join(QStringLiteral("    "));
        }
    }
    readout_->setText(lines.join(QLatin1Char('\n')));
}

bool PlotWindow::keyPress(QKeyEvent *event)
{
    // Samples each key moves the cursor by (Shift: ten), or to an end.
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1, many = 1 << 30;
    const std::map<int, int> moves{
        {Qt::Key_Left, -step}, {Qt::Key_Right, step}, {Qt::Key_Home, -many}, {Qt::Key_End, many}};
    const auto move = moves.find(event->key());
    if (move == moves.end())
        return false;
    moveCursor(move->second, event->modifiers() & Qt::ControlModifier);
    return true;
}

QString PlotWindow::exportText() const { return marks_->text(); }

// The window's font at its size in pixels, so that the text under the chart
// keeps its size beside the chart's on any device (a PDF page of 72 dpi).
QFont PlotWindow::exportFont() const
{
    QFont f = font();
    f.setPixelSize(QFontInfo(font()).pixelSize());
    return f;
}

QSizeF PlotWindow::exportSize(QSizeF chartSize, const QPaintDevice *device) const
{
    const QString text = exportText();
    if (text.isEmpty())
        return chartSize;
    const QFontMetricsF metrics(exportFont(), const_cast<QPaintDevice *>(device));
    const qreal pad = metrics.height() / 2;
    const QRectF box =
        metrics.boundingRect(QRectF(0, 0, chartSize.width() - 2 * pad, 1e6), Qt::TextWordWrap, text);
    return {chartSize.width(), chartSize.height() + box.height() + 2 * pad};
}

void PlotWindow::paintExport(QPainter &painter, QSizeF chartSize)
{
    // The light theme on white, then the screen's theme again; the zoom kept.
    std::vector<std::pair<qreal, qreal>> ranges;
    for (QAbstractAxis *axis : chart_->axes()) {
        if (auto *a = qobject_cast<QCategoryAxis *>(axis))
            ranges.emplace_back(a->min(), a->max());
    }
    const auto zoom = [&] {
        const QList<QAbstractAxis *> axes = chart_->axes();
        for (qsizetype i = 0; i < axes.size() && size_t(i) < ranges.size(); ++i)
            axes[i]->setRange(ranges[size_t(i)].first, ranges[size_t(i)].second);
    };
    exporting_ = true;
    redraw();
    zoom();
    settle();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(QPointF(), exportSize(chartSize, painter.device()));
    painter.fillRect(whole, Qt::white);
    view_->scene()->render(&painter, QRectF(QPointF(), chartSize),
                           view_->mapToScene(view_->viewport()->rect()).boundingRect());
    const QString text = exportText();
    if (!text.isEmpty()) {
        painter.setFont(exportFont());
        painter.setPen(Qt::black);
        const qreal pad = painter.fontMetrics().height() / 2.0;
        painter.drawText(QRectF(pad, chartSize.height() + pad, chartSize.width() - 2 * pad, whole.height()),
                         Qt::TextWordWrap, text);
    }
    exporting_ = false;
    redraw();
    zoom();
}

// The chart as it will be painted next: the items of the axes and series
// just removed gone (Qt Charts deletes them later), and its layout done.
void PlotWindow::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    chart_->layout()->activate();
}

QImage PlotWindow::image(qreal scale)
{
    const QSizeF size = view_->viewport()->size();
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.setDevicePixelRatio(scale);
    const QSize whole = exportSize(size, &probe).toSize();
    QImage image(whole * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintExport(painter, size);
    return image;
}

bool PlotWindow::saveTo(const QString &path)
{
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return image(2 * devicePixelRatioF()).save(path, "PNG");
    // One page the plot's size, a point for each screen pixel.
    const QSizeF size = view_->viewport()->size();
    QPdfWriter pdf(path);
    pdf.setCreator(QStringLiteral("Velorix"));
    pdf.setTitle(windowTitle());
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(exportSize(size, &pdf), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    paintExport(painter, size);
    return painter.end();
}

void PlotWindow::save()
{
    QString filter;
    const QString png = QCoreApplication::translate("PlotWindow", "Изображение PNG (*.png)");
    const QString pdf = QCoreApplication::translate("PlotWindow", "Документ PDF (*.pdf)");
    // The window's caption, without what no file name may hold.
    QString name = windowTitle();
    for (QChar &ch : name) {
        if (QStringLiteral("\\/:*?\"<>|").contains(ch))
            ch = QLatin1Char('_');
    }
    QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("PlotWindow", "Сохранить характеристику"),
        QDir::home().filePath(name + QStringLiteral(".png")), png + QStringLiteral(";;") + pdf, &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    if (!saveTo(path) && host_.warning)
        host_.warning(QCoreApplication::translate("PlotWindow", "Не удалось записать файл %1.")
                          .arg(QDir::toNativeSeparators(path)));
}

void PlotWindow::changeEvent(QEvent *event)
{
    // A light or a dark theme, as the palette is.
    if (event->type() == QEvent::PaletteChange)
        redraw();
    QWidget::changeEvent(event);
}

bool PlotWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress && keyPress(static_cast<QKeyEvent *>(event)))
        return true;
    if (watched != view_->viewport())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        view_->setFocus(Qt::MouseFocusReason);
        if (mouse->modifiers() & Qt::ShiftModifier) {
            readAt(mouse->position(), true);
            return true;
        }
        pressedAt_ = mouse->position().toPoint();
        band_->setGeometry(QRect(*pressedAt_, QSize()));
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (pressedAt_) {
            const QRect rect = QRect(*pressedAt_, mouse->position().toPoint()).normalized();
            band_->setGeometry(rect);
            band_->setVisible(rect.width() > 4 && rect.height() > 4);
        } else {
            readAt(mouse->position());
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        if (!pressedAt_)
            break;
        auto *mouse = static_cast<QMouseEvent *>(event);
        pressedAt_.reset();
        if (band_->isVisible()) {
            // A rubber band zooms into its area of the plot.
            band_->hide();
            const QRectF inChart = chart_->mapFromScene(view_->mapToScene(band_->geometry())).boundingRect() &
                                   chart_->plotArea();
            if (inChart.isValid())
                chart_->zoomIn(inChart);
        } else {
            readAt(mouse->position());
        }
        return true;
    }
    case QEvent::Wheel: {
        // The wheel zooms about the mouse.
        auto *wheel = static_cast<QWheelEvent *>(event);
        const QPointF at = chart_->mapFromScene(view_->mapToScene(wheel->position().toPoint()));
        const QRectF area = chart_->plotArea();
        if (!area.contains(at) || wheel->angleDelta().y() == 0)
            break;
        const qreal factor = wheel->angleDelta().y() > 0 ? 0.8 : 1.25;
        chart_->zoomIn(QRectF(at - (at - area.topLeft()) * factor, area.size() * factor));
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
