// Decoding of the JPEG pictures that the windows carry, with libjpeg.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <thread>
#include <vector>

namespace velorix {

// The picture in a JPEG stream: 8-bit grey for a one-component stream, RGB
// for a three-component one.  A null image when the stream is not a JPEG
// libjpeg can decode to those, such as a CMYK one, or exceeds 64 Mpixel.
QImage DecodeJpeg(QByteArrayView data);

// The picture in a JPEG file or resource (":/assets/…"); null if it cannot
// be read or decoded.
QImage LoadJpeg(const QString &path);

// Decodes JPEG files on a second thread while the program goes on building
// its windows.  Whichever thread comes to a file first decodes it: take()
// decodes a file the thread has not begun, and waits for one it is
// decoding.  While one exists, TakeJpeg takes from it.
class JpegPrefetch {
public:
    explicit JpegPrefetch(const QStringList &paths);
    ~JpegPrefetch(); // waits for the thread
    JpegPrefetch(const JpegPrefetch &) = delete;
    JpegPrefetch &operator=(const JpegPrefetch &) = delete;

    // The picture of one of the paths, as LoadJpeg gives it; a path not
    // among them is decoded now.
    QImage take(const QString &path);

private:
    struct Entry;
    std::vector<std::unique_ptr<Entry>> entries_;
    std::thread thread_;
};

// The picture of a path, from the JpegPrefetch that exists, or LoadJpeg's.
QImage TakeJpeg(const QString &path);

// Every picture is drawn twice: "…/NAME.jpg" for ordinary screens, and its
// double-size twin "…/2x/NAME.jpg" from the same drawing at twice the pixels,
// shown at device pixel ratio 2.  The scale of the set that a screen of this
// device pixel ratio shows: 2 above ratio 1, else 1.
int PictureScale(qreal devicePixelRatio);

// The resource of a picture ("…/NAME.jpg") in the set of this scale.
QString PictureResource(const QString &resource, int scale);

// A picture with words or symbols in it ("…/NAME.jpg") is drawn in English
// too, as "…/en/NAME.jpg" (and "…/en/2x/NAME.jpg").  The resource of the
// picture that the edition shows: the English one in every edition but the
// Russian, where there is one; else the picture itself.
QString EditionPicture(const QString &resource);

// The JPEG files of a folder (":/assets") in every set that the screens in
// use show, as the edition shows them: on ordinary screens in the Russian
// edition, the folder's own and no other.
QStringList PicturesForScreens(const QString &folder);

} // namespace velorix
