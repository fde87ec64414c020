#include "platform/Exceptions.h"
#include "platform/JpegDecoder.h"
#include "platform/Picture.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any bytes are either refused with EInvalidGraphic or decoded into a 32-bit image within the
// size limit, opaque when it is a JPEG.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size));
    TPicture picture;
    try {
        picture = TPicture::FromData(bytes);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    const QImage& image = picture.Image();
    if (!picture.HasGraphic() || image.isNull() || image.format() != QImage::Format_RGB32 ||
        qint64(image.width()) * image.height() > TJpegDecoder::MaxPixels)
        std::abort();
    // Opaque: a pixel whose fourth byte is not 0xFF vanishes when drawn. Qt's own BMP reader
    // leaves the rows of a truncated file unwritten, so only our decoder's pictures are held
    // to it.
    if (picture.Kind() != TPicture::gkJpeg)
        return 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 0xFF)
                std::abort();
        }
    }
    return 0;
}
