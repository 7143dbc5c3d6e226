#include "JpegImage.h"

#include "Edition.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <atomic>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <future>

#include <jpeglib.h>

namespace velorix {

namespace {

// Pictures larger than this, in pixels, are refused.
constexpr unsigned long kMaxPixels = 64ul << 20;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void OnMessage(j_common_ptr, int) {} // warnings of a damaged stream: decode what is there

// Decodes into *out, which lives in the caller: between setjmp and a
// longjmp from inside libjpeg this frame holds no object with a destructor.
bool Decode(const unsigned char *bytes, unsigned long size, QImage *out)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    // Refused from the header alone: a progressive stream would otherwise
    // take memory for the whole picture in jpeg_start_decompress.
    if (static_cast<unsigned long>(info.image_width) * info.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool grey = info.num_components == 1;
    info.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    *out = QImage(int(info.output_width), int(info.output_height),
                  grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (out->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(QByteArrayView data)
{
    QImage image;
    if (data.isEmpty() || !Decode(reinterpret_cast<const unsigned char *>(data.data()),
                                  static_cast<unsigned long>(data.size()), &image))
        return QImage();
    return image;
}

QImage LoadJpeg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    return DecodeJpeg(file.readAll());
}

struct JpegPrefetch::Entry {
    QString path;
    std::atomic<bool> claimed = false;
    std::promise<QImage> decoded;
    std::shared_future<QImage> picture = decoded.get_future().share();

    // Decodes the file unless the other thread has claimed it first.
    void claimAndDecode()
    {
        if (!claimed.exchange(true))
            decoded.set_value(LoadJpeg(path));
    }
};

namespace {
JpegPrefetch *g_prefetch = nullptr;
}

JpegPrefetch::JpegPrefetch(const QStringList &paths)
{
    for (const QString &path : paths) {
        entries_.push_back(std::make_unique<Entry>());
        entries_.back()->path = path;
    }
    thread_ = std::thread([this] {
        for (const auto &entry : entries_)
            entry->claimAndDecode();
    });
    g_prefetch = this;
}

JpegPrefetch::~JpegPrefetch()
{
    g_prefetch = nullptr;
    thread_.join();
}

QImage JpegPrefetch::take(const QString &path)
{
    for (const auto &entry : entries_) {
        if (entry->path == path) {
            entry->claimAndDecode();
            return entry->picture.get();
        }
    }
    return LoadJpeg(path);
}

QImage TakeJpeg(const QString &path) { return g_prefetch ? g_prefetch->take(path) : LoadJpeg(path); }

int PictureScale(qreal devicePixelRatio) { return devicePixelRatio > 1 ? 2 : 1; }

namespace {
// "…/NAME.jpg" in the subfolder of its folder ("2x/", "en/").
QString InSubfolder(const QString &resource, const QString &subfolder)
{
    const qsizetype slash = resource.lastIndexOf(u'/');
    return resource.left(slash + 1) + subfolder + resource.mid(slash + 1);
}
} // namespace

QString PictureResource(const QString &resource, int scale)
{
    return scale == 1 ? resource : InSubfolder(resource, QStringLiteral("%1x/").arg(scale));
}

QString EditionPicture(const QString &resource)
{
    if (EditionLanguage() == QLatin1String("ru"))
        return resource;
    const QString english = InSubfolder(resource, QStringLiteral("en/"));
    return QFile::exists(english) ? english : resource;
}

QStringList PicturesForScreens(const QString &folder)
{
    bool ordinary = false, dense = false;
    for (const QScreen *screen : QGuiApplication::screens())
        (PictureScale(screen->devicePixelRatio()) == 1 ? ordinary : dense) = true;
    ordinary = ordinary || !dense; // with no screen known, the ordinary set
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files);
    QStringList pictures;
    for (int scale : {1, 2}) {
        if (scale == 1 ? ordinary : dense) {
            for (const QString &name : names)
                pictures << PictureResource(EditionPicture(folder + u'/' + name), scale);
        }
    }
    return pictures;
}

} // namespace velorix
