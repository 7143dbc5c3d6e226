// Draws the application icon, a sine wave across a resistor, and writes
// assets/icon-N.png: 16, 32 and 48 px for the windows (compiled in), and
// 64, 128 and 256 px besides for the desktop's icon theme; and the same
// drawing as assets/icon.svg, the theme's scalable icon.  Run through the
// "icons" target.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cmath>

namespace {

// Draws the icon on a 48 × 48 unit square; `small` thickens the strokes for
// sizes under 32 px.
void Paint(QPainter &p, bool small)
{
    p.setRenderHint(QPainter::Antialiasing);

    // Rounded plate.
    p.setPen(QPen(QColor(0x1f, 0x3a, 0x68), 2));
    p.setBrush(QColor(0xf4, 0xf7, 0xfb));
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 8, 8);

    // One period of a sine wave above.
    QPainterPath wave;
    for (int i = 0; i <= 64; ++i) {
        const double x = 7 + 34.0 * i / 64;
        const double y = 17 - 8 * std::sin(2 * M_PI * i / 64);
        if (i == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc0, 0x30, 0x30), small ? 4 : 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wave);

    // A resistor on a wire below.
    p.setPen(QPen(QColor(0x1f, 0x3a, 0x68), small ? 4 : 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawLine(QPointF(5, 35), QPointF(14, 35));
    p.drawLine(QPointF(34, 35), QPointF(43, 35));
    p.drawRect(QRectF(14, 30, 20, 10));
}

QImage DrawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / 48.0, size / 48.0);
    Paint(p, size < 32);
    return image;
}

bool WriteSvg(const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(48, 48));
    svg.setViewBox(QRect(0, 0, 48, 48));
    svg.setTitle(QStringLiteral("Velorix"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    Paint(p, false);
    return p.end();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets");
    for (int size : {16, 32, 48, 64, 128, 256}) {
        if (!DrawIcon(size).save(QStringLiteral("%1/icon-%2.png").arg(folder).arg(size)))
            return 1;
    }
    return WriteSvg(folder + QStringLiteral("/icon.svg")) ? 0 : 1;
}
