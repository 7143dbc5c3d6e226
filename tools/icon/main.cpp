// Draws the application icon, a sine wave across a resistor, and writes
// assets/icon-N.png: 16, 32 and 48 px for the windows (compiled in), and
// 64, 128 and 256 px besides for the desktop's icon theme; and the same
// drawing as assets/icon.svg, the theme's scalable icon; and assets/icon.ico,
// the 16, 32 and 48 px images as the Windows program's icon resource.  Run
// through the "icons" target.
#include <QFile>
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

// An icon file of 32-bit images (BITMAPINFOHEADER, bottom-up BGRA with
// straight alpha, then the 1-bit mask of fully transparent pixels), which
// every version of Windows reads at these sizes.
// Little-endian fields of the icon file.
void Put(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

bool WriteIco(const QString &path, const QList<QImage> &images)
{
    QByteArray out;
    const auto put16 = [&out](quint32 v) { Put(out, v, 2); };
    const auto put32 = [&out](quint32 v) { Put(out, v, 4); };
    put16(0);
    put16(1); // icon
    put16(static_cast<quint16>(images.size()));
    QList<QByteArray> bitmaps;
    for (const QImage &source : images) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        const int w = image.width(), h = image.height();
        const int maskStride = (w + 31) / 32 * 4;
        QByteArray bmp;
        const auto bput16 = [&bmp](quint32 v) { Put(bmp, v, 2); };
        const auto bput32 = [&bmp](quint32 v) { Put(bmp, v, 4); };
        bput32(40);
        bput32(static_cast<quint32>(w));
        bput32(static_cast<quint32>(2 * h)); // the image and its mask
        bput16(1);
        bput16(32);
        bput32(0);
        bput32(static_cast<quint32>(w * h * 4 + maskStride * h));
        for (int i = 0; i < 4; ++i)
            bput32(0);
        for (int y = h - 1; y >= 0; --y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < w; ++x)
                bput32(line[x]); // 0xAARRGGBB: B, G, R, A in memory
        }
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(maskStride, '\0');
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                if (qAlpha(line[x]) == 0)
                    row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
            bmp += row;
        }
        bitmaps.append(bmp);
    }
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        out.append(static_cast<char>(images[i].width()));
        out.append(static_cast<char>(images[i].height()));
        out.append('\0'); // colours: not a palette image
        out.append('\0');
        put16(1);  // planes
        put16(32); // bits per pixel
        put32(static_cast<quint32>(bitmaps[i].size()));
        put32(offset);
        offset += static_cast<quint32>(bitmaps[i].size());
    }
    for (const QByteArray &bmp : bitmaps)
        out += bmp;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
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
    if (!WriteIco(folder + QStringLiteral("/icon.ico"), {DrawIcon(16), DrawIcon(32), DrawIcon(48)}))
        return 1;
    return WriteSvg(folder + QStringLiteral("/icon.svg")) ? 0 : 1;
}
