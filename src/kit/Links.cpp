#include "Links.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace velorix {

namespace {

// The contrast that normal text needs against its background (WCAG 2, AA).
constexpr double kReadableContrast = 4.5;

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double Luminance(const QColor &c)
{
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The link colour for a dark background: the palette's, made lighter (its
// hue kept) as far as it takes to read well on the background.
QColor LinkOnDark(const QPalette &palette)
{
    const QColor background = palette.color(QPalette::Window);
    QColor link = palette.color(QPalette::Link).toHsl();
    for (int lightness = link.lightness();
         Contrast(link, background) < kReadableContrast && lightness < 255;) {
        lightness = std::min(255, lightness + 8);
        link.setHsl(link.hslHue(), link.hslSaturation(), lightness);
    }
    return link.toRgb();
}

// Sets the label's colour for its background now and whenever the palette
// changes; owned by the label.
class ReadableLink : public QObject {
public:
    explicit ReadableLink(QLabel *link) : QObject(link), link_(link), designed_(link->styleSheet())
    {
        link->window()->installEventFilter(this);
        update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The label keeps a palette of its own (its style's colour), so the
        // window's tells when the palette changes.
        if (watched == link_->window() && event->type() == QEvent::PaletteChange)
            update();
        return QObject::eventFilter(watched, event);
    }

private:
    void update()
    {
        const QPalette palette = link_->window()->palette();
        const QString sheet =
            IsDark(palette) ? QStringLiteral("color: %1;").arg(LinkOnDark(palette).name()) : designed_;
        if (link_->styleSheet() != sheet)
            link_->setStyleSheet(sheet);
    }

    QLabel *link_;
    QString designed_; // the definition's style, for a light background
};

} // namespace

bool IsDark(const QPalette &palette)
{
    const QColor background = palette.color(QPalette::Window);
    return Contrast(Qt::white, background) > Contrast(Qt::black, background);
}

void KeepLinkReadable(QLabel *link)
{
    new ReadableLink(link); // owned by the label
}

} // namespace velorix
