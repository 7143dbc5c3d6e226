// Draws every schematic and the filter design graphs and writes them as
// grey JPEGs into the folder given (assets/), and the same drawings at twice
// the pixels into its 2x/ folder, for screens of device pixel ratio 2.  A
// picture with words or symbols in it is drawn again in English into en/ and
// en/2x/.  Run through the "pictures" target:
//   cmake --build build --target pictures
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

// Each language's pictures and the folder they go into, under the one given.
struct Edition {
    pictures::Language language;
    const char *subfolder;
};
constexpr Edition kEditions[] = {{pictures::Language::Russian, ""}, {pictures::Language::English, "en/"}};

bool Render(const pictures::Picture &picture, const QString &folder)
{
    bool ok = true;
    for (const Edition &edition : kEditions) {
        if (edition.language == pictures::Language::English && !picture.words)
            continue;
        for (const Set &set : kSets) {
            pictures::Sheet sheet(picture.size.width(), picture.size.height(), set.scale, edition.language);
            picture.draw(sheet);
            const QString path = folder + u'/' + QLatin1String(edition.subfolder) +
                                 QLatin1String(set.subfolder) + QString::fromUtf8(picture.file);
            if (sheet.untranslated()) {
                std::fprintf(stderr, "%s has Cyrillic text\n", qPrintable(path));
                ok = false;
            } else if (!WriteJpeg(sheet.finish(), path)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ok = false;
            }
        }
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets");
    for (const char *subfolder : {"2x", "en/2x"}) {
        if (!QDir(folder).mkpath(QLatin1String(subfolder))) {
            std::fprintf(stderr, "cannot make %s/%s\n", qPrintable(folder), subfolder);
            return 1;
        }
    }
    std::vector<pictures::Picture> all = pictures::Schematics();
    all.push_back({"filter-design-graphs.jpg", {576, 588}, pictures::DesignGraphs, true});
    bool ok = true;
    for (const pictures::Picture &picture : all)
        ok = Render(picture, folder) && ok;
    return ok ? 0 : 1;
}
