#pragma once

#include <QByteArray>
#include <QImage>

// Decodes JPEG data, progressive scans included, straight into a 32-bit image through
// libjpeg. Any libjpeg error or warning (a truncated file only warns) raises
// EInvalidGraphic; libjpeg's default exit() is never reached.
class TJpegDecoder
{
public:
    static QImage Decode(const QByteArray& Data);
    static bool LooksLikeJpeg(const QByteArray& Data);

    // Larger pictures are refused rather than allocated.
    static constexpr qint64 MaxPixels = 64LL * 1024 * 1024;
};
