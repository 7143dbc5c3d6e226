// A characteristic window: the curves of a calculator's circuit with their
// marks, or the last ones greyed with the reason they are out of date; a
// cursor the mouse and the keyboard move, with a second one for differences;
// zoom; curves held for comparison; and the commands that copy the data, the
// readings and the picture and save the picture as PNG or PDF.
#pragma once

#include "Characteristic.h"
#include "PlotModule.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QChart;
class QChartView;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QPainter;
class QRubberBand;
class QScatterSeries;
class QXYSeries;

class PlotWindow : public QWidget {
    Q_OBJECT
public:
    PlotWindow(const QWidget *calculator, PlotHost host);

    // Draws a characteristic; or keeps the last one greyed (when there is
    // one) and states why the curve has none.
    void draw(const velorix::Curve &curve);

    // Whether the plot shows the calculator's current characteristic.
    bool current() const { return data_.has_value() && none_.isEmpty(); }
    // The data as "Копировать данные" puts it on the clipboard, with the
    // columns of each held curve; empty unless current.
    QString dataText() const;
    // The plot as exported: light theme, white background, no frame, the
    // marks' text under the chart; at the given number of pixels per screen
    // pixel.
    QImage image(qreal scale);
    // Writes the plot as PDF (vector) when the name ends in ".pdf", as PNG at
    // twice the screen's resolution otherwise; false when it cannot.
    Q_INVOKABLE bool saveTo(const QString &path);
    // Moves the cursor (or the second one) to the sample point nearest to a
    // point of the view.
    void readAt(QPointF viewPoint, bool second = false);
    // Keeps the current curve drawn, muted, for comparison (up to five).
    void holdCurve();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void redraw();
    void drawCurves(const velorix::Characteristic &c, bool held, const QString &label);
    void placeOverlays();
    void placeMarkTexts();
    void showCursors();
    void moveCursor(int steps, bool second);
    bool keyPress(QKeyEvent *event);
    void save();
    void settle();
    // Paints the exported picture: the chart of the given size in the light
    // theme, then the marks' text under it.
    void paintExport(QPainter &painter, QSizeF chartSize);
    QString exportText() const;
    QFont exportFont() const;
    QSizeF exportSize(QSizeF chartSize, const QPaintDevice *device) const;

    PlotHost host_;
    QChart *chart_;
    QChartView *view_;
    QLabel *status_;
    QLabel *marks_;
    QLabel *readout_;
    QRubberBand *band_;
    std::optional<QPoint> pressedAt_;
    std::optional<velorix::Characteristic> data_;
    // Why the plot shows no current curve (out of date, or none yet).
    QString none_;
    bool exporting_ = false;
    std::vector<velorix::Characteristic> held_;
    // The sample points under the cursors.
    std::optional<size_t> cursor_, second_;
    // The series of each curve, the cursors' points, the minor grid lines,
    // and the mark texts with the point each stands beside and its series.
    std::vector<QXYSeries *> curves_;
    std::vector<QScatterSeries *> hover_;
    std::vector<QScatterSeries *> hover2_;
    std::vector<QGraphicsLineItem *> minorGrid_;
    struct MarkText {
        QGraphicsSimpleTextItem *item;
        QPointF at;
        QXYSeries *series;
        bool vertical;
        QString tag;
        QString text; // the mark's sentence
    };
    std::vector<MarkText> markTexts_;
};
