// A characteristic window: the curves of a calculator's circuit with their
// marks, a readout of the curve under the mouse, and the commands that copy
// the data and the picture and save the picture as PNG or PDF.
#pragma once

#include "Characteristic.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QLabel;
class QScatterSeries;
class QXYSeries;

class PlotWindow : public QWidget {
    Q_OBJECT
public:
    PlotWindow(const QWidget *calculator, std::function<void(const QString &)> warning);

    void draw(const velorix::Characteristic &characteristic);

    // The data as "Копировать данные" puts it on the clipboard.
    QString dataText() const;
    // The plot drawn at the given number of pixels per screen pixel.
    QImage image(qreal scale) const;
    // Writes the plot as PDF (vector) when the name ends in ".pdf", as PNG at
    // twice the screen's resolution otherwise; false when it cannot.
    Q_INVOKABLE bool saveTo(const QString &path) const;
    // Shows the readout of the sample point nearest to a point of the view.
    void readAt(QPointF viewPoint);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void redraw();
    void placeMarkTexts();
    void save();

    std::function<void(const QString &)> warning_;
    QChart *chart_;
    QChartView *view_;
    QLabel *marks_;
    QLabel *readout_;
    std::optional<velorix::Characteristic> data_;
    // The series of each curve, the hover points, and the mark texts with
    // the point each stands beside and its series.
    std::vector<QXYSeries *> curves_;
    std::vector<QScatterSeries *> hover_;
    struct MarkText {
        QGraphicsSimpleTextItem *item;
        QPointF at;
        QXYSeries *series;
    };
    std::vector<MarkText> markTexts_;
};
