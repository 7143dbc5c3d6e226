// Draws every schematic and the filter design graphs and writes them as
// grey JPEGs into the folder given (assets/), and the same drawings at twice
// the pixels into its 2x/ folder, for screens of device pixel ratio 2.  Run
// through the "pictures" target:  cmake --build build --target pictures
#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// Quality 95 without chroma: lines stay free of ringing that shows at 100 %.
constexpr int kQuality = 95;

bool WriteJpeg(const QImage &grey, const QString &path)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors; // libjpeg's own: a failure ends the program with its message
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(grey.width());
    info.image_height = JDIMENSION(grey.height());
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kQuality, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar *>(grey.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(reinterpret_cast<const char *>(buffer), qint64(size)) == qint64(size);
    std::free(buffer);
    return written;
}

// The pixel scale of each set and the folder it goes into, under the one given.
struct Set {
    int scale;
    const char *subfolder;
};
constexpr Set kSets[] = {{1, ""}, {2, "2x/"}};

bool Render(const char *name, QSize size, void (*draw)(pictures::Sheet &), const QString &folder)
{
    bool ok = true;
    for (const Set &set : kSets) {
        pictures::Sheet sheet(size.width(), size.height(), set.scale);
        draw(sheet);
        const QString path = folder + u'/' + QLatin1String(set.subfolder) + QString::fromUtf8(name);
        if (!WriteJpeg(sheet.finish(), path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets");
    if (!QDir(folder).mkpath(QStringLiteral("2x"))) {
        std::fprintf(stderr, "cannot make %s/2x\n", qPrintable(folder));
        return 1;
    }
    bool ok = true;
    for (const pictures::Picture &picture : pictures::Schematics())
        ok = Render(picture.file, picture.size, picture.draw, folder) && ok;
    ok = Render("filter-design-graphs.jpg", {576, 588}, pictures::DesignGraphs, folder) && ok;
    return ok ? 0 : 1;
}
