#include "PlotWindow.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsSimpleTextItem>
#include <QGuiApplication>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPdfWriter>
#include <QScatterSeries>
#include <QVBoxLayout>

#include <cmath>

using velorix::Axis;
using velorix::Characteristic;
using velorix::Mark;

namespace {

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

bool Within(double v, const Axis &a) { return std::isfinite(v) && v >= a.from && v <= a.to; }

void HideFromLegend(QChart *chart, QAbstractSeries *series)
{
    for (QLegendMarker *marker : chart->legend()->markers(series))
        marker->setVisible(false);
}

void AddAction(QWidget *window, const QString &text, const QKeySequence &keys, std::function<void()> run)
{
    auto *action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window, std::move(run));
    window->addAction(action);
}

} // namespace

PlotWindow::PlotWindow(const QWidget *calculator, std::function<void(const QString &)> warning)
    : QWidget(nullptr, Qt::Window), warning_(std::move(warning)), chart_(new QChart),
      view_(new QChartView(chart_, this)), marks_(new QLabel(this)), readout_(new QLabel(this))
{
    setObjectName(calculator->objectName() + QStringLiteral("Plot"));
    setWindowTitle(calculator->windowTitle() + QStringLiteral(" — характеристика"));
    setAttribute(Qt::WA_QuitOnClose, false);
    view_->setRenderHint(QPainter::Antialiasing);
    // A right click anywhere opens the window's own menu.
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    view_->setAccessibleName(windowTitle());
    // Under the plot, what its marks state, and the sample point under the mouse.
    marks_->setObjectName(QStringLiteral("Marks"));
    marks_->setWordWrap(true);
    marks_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setObjectName(QStringLiteral("Readout"));
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setMinimumHeight(readout_->fontMetrics().lineSpacing());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(marks_);
    layout->addWidget(readout_);

    AddAction(this, QStringLiteral("Копировать данные"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
              [this] { QGuiApplication::clipboard()->setText(dataText()); });
    AddAction(this, QStringLiteral("Копировать изображение"), QKeySequence(Qt::CTRL | Qt::Key_C),
              [this] { QGuiApplication::clipboard()->setImage(image(devicePixelRatioF())); });
    AddAction(this, QStringLiteral("Сохранить…"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { save(); });
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(chart_, &QChart::plotAreaChanged, this, &PlotWindow::placeMarkTexts);
    // About a hundred characters by thirty lines of the window's font.
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 100, metrics.lineSpacing() * 32);
    redraw();
}

void PlotWindow::draw(const Characteristic &characteristic)
{
    data_ = characteristic;
    redraw();
}

QString PlotWindow::dataText() const { return data_ ? data_->dataText(windowTitle()) : QString(); }

void PlotWindow::redraw()
{
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    chart_->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart_->removeAllSeries();
    for (QAbstractAxis *axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    for (const MarkText &m : markTexts_)
        delete m.item;
    markTexts_.clear();
    curves_.clear();
    hover_.clear();
    readout_->clear();
    if (!data_) {
        chart_->setTitle(QStringLiteral("Характеристика появится после расчёта"));
        view_->setAccessibleDescription(QString());
        marks_->clear();
        return;
    }
    const Characteristic &c = *data_;
    chart_->setTitle(c.title);
    view_->setAccessibleDescription(c.marksText());
    QStringList marks;
    for (const Mark &m : c.marks)
        marks << m.text;
    marks_->setText(marks.join(QLatin1Char('\n')));

    QCategoryAxis *x = MakeAxis(c.x);
    chart_->addAxis(x, Qt::AlignBottom);
    std::vector<QCategoryAxis *> ys;
    for (size_t k = 0; k < c.yAxes.size(); ++k) {
        ys.push_back(MakeAxis(c.yAxes[k]));
        chart_->addAxis(ys.back(), k == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    const auto attach = [&](QAbstractSeries *series, int axis) {
        chart_->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(ys[size_t(axis)]);
    };

    const velorix::Column &xs = c.columns.front();
    for (size_t i = 0; i < c.curves.size(); ++i) {
        const velorix::Column &column = c.columns[size_t(c.curves[i])];
        const Axis &axis = c.yAxes[size_t(c.curveAxis[i])];
        QList<QPointF> points;
        for (size_t j = 0; j < xs.values.size(); ++j) {
            const QPointF p(c.x.position(xs.values[j]), axis.position(column.values[j]));
            if (std::isfinite(p.x()) && std::isfinite(p.y()))
                points << p;
        }
        auto *curve = new QLineSeries;
        curve->setName(column.heading());
        curve->replace(points);
        attach(curve, c.curveAxis[i]);
        QPen pen = curve->pen();
        pen.setWidthF(2);
        curve->setPen(pen);
        curves_.push_back(curve);

        auto *hover = new QScatterSeries;
        hover->setMarkerSize(9);
        hover->setColor(curve->color());
        hover->setBorderColor(curve->color());
        attach(hover, c.curveAxis[i]);
        HideFromLegend(chart_, hover);
        hover_.push_back(hover);
    }

    // The marks, in a colour apart from the curves', each with its text.
    const QColor ink = dark ? QColor(255, 120, 110) : QColor(190, 0, 40);
    const QBrush textBrush = x->labelsBrush();
    std::vector<QScatterSeries *> points(c.yAxes.size(), nullptr);
    for (const Mark &m : c.marks) {
        const Axis &axis = c.yAxes[m.kind == Mark::Kind::Point ? size_t(m.axis) : 0];
        const double px = c.x.position(m.x);
        QXYSeries *series = nullptr;
        QPointF at;
        if (m.kind == Mark::Kind::Point) {
            at = QPointF(px, axis.position(m.y));
            if (!Within(at.x(), c.x) || !Within(at.y(), axis))
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
            if (!Within(px, c.x))
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
        markTexts_.push_back({text, at, series});
    }
    placeMarkTexts();
}

void PlotWindow::placeMarkTexts()
{
    const QRectF area = chart_->plotArea();
    for (const MarkText &m : markTexts_) {
        const QPointF p = chart_->mapToPosition(m.at, m.series);
        QRectF box = m.item->boundingRect();
        box.moveBottomLeft(p + QPointF(6, -4));
        if (box.right() > area.right())
            box.moveRight(p.x() - 6);
        if (box.top() < area.top())
            box.moveTop(p.y() + 4);
        m.item->setPos(box.topLeft());
    }
}

void PlotWindow::readAt(QPointF viewPoint)
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
    QStringList parts;
    for (const velorix::Column &column : c.columns)
        parts << column.name + QStringLiteral(" = ") + column.texts[qsizetype(nearest)] +
                     (column.unit.isEmpty() ? QString() : QLatin1Char(' ') + column.unit);
    readout_->setText(parts.join(QStringLiteral("    ")));
    for (size_t i = 0; i < curves_.size(); ++i) {
        const Axis &axis = c.yAxes[size_t(c.curveAxis[i])];
        const QPointF p(c.x.position(xs[nearest]),
                        axis.position(c.columns[size_t(c.curves[i])].values[nearest]));
        if (std::isfinite(p.y()))
            hover_[i]->replace(QList<QPointF>{p});
        else
            hover_[i]->clear();
    }
}

QImage PlotWindow::image(qreal scale) const
{
    const QSize size = view_->viewport()->size();
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(chart_->backgroundBrush().color());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    view_->scene()->render(&painter, QRectF(QPointF(), QSizeF(size)),
                           view_->mapToScene(view_->viewport()->rect()).boundingRect());
    return image;
}

bool PlotWindow::saveTo(const QString &path) const
{
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return image(2 * devicePixelRatioF()).save(path, "PNG");
    // One page the plot's size, a point for each screen pixel.
    const QSize size = view_->viewport()->size();
    QPdfWriter pdf(path);
    pdf.setCreator(QStringLiteral("Velorix"));
    pdf.setTitle(windowTitle());
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    view_->scene()->render(&painter, QRectF(QPointF(), QSizeF(size)),
                           view_->mapToScene(view_->viewport()->rect()).boundingRect());
    return painter.end();
}

void PlotWindow::save()
{
    QString filter;
    const QString png = QStringLiteral("Изображение PNG (*.png)");
    const QString pdf = QStringLiteral("Документ PDF (*.pdf)");
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить характеристику"),
                                                QDir::home().filePath(objectName() + QStringLiteral(".png")),
                                                png + QStringLiteral(";;") + pdf, &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    if (!saveTo(path) && warning_)
        warning_(QStringLiteral("Не удалось записать файл %1.").arg(QDir::toNativeSeparators(path)));
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
    if (watched == view_->viewport() && event->type() == QEvent::MouseMove)
        readAt(static_cast<QMouseEvent *>(event)->position());
    return QWidget::eventFilter(watched, event);
}
