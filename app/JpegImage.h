// Decoding of the JPEG pictures that the windows carry, with libjpeg.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace velorix {

// The picture in a JPEG stream: 8-bit grey for a one-component stream, RGB
// for a three-component one.  A null image when the stream is not a JPEG
// libjpeg can decode to those, such as a CMYK one, or exceeds 64 Mpixel.
QImage DecodeJpeg(QByteArrayView data);

// The picture in a JPEG file or resource (":/assets/…"); null if it cannot
// be read or decoded.
QImage LoadJpeg(const QString &path);

} // namespace velorix
