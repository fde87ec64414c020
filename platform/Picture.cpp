#include "platform/Picture.h"

#include "platform/Exceptions.h"
#include "platform/JpegDecoder.h"

#include <QFile>

namespace {

quint32 Little(const QByteArray& Data, qsizetype At, int Bytes)
{
    quint32 value = 0;
    for (int i = Bytes - 1; i >= 0; --i)
        value = (value << 8) | uchar(Data.at(At + i));
    return value;
}

// Qt's reader accepts a cut-off bitmap and leaves the missing rows unwritten, so the
// pixel data must be all there, uncompressed, before it reads one.
bool CompleteBitmap(const QByteArray& Data)
{
    if (Data.size() < 26)
        return false;
    const qint64 offset = Little(Data, 10, 4);
    const quint32 header = Little(Data, 14, 4);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bits = 0;
    if (header == 12) {
        width = Little(Data, 18, 2);
        height = Little(Data, 20, 2);
        bits = Little(Data, 24, 2);
    } else if (header >= 40 && Data.size() >= 34) {
        width = qint32(Little(Data, 18, 4));
        height = qint32(Little(Data, 22, 4));
        bits = Little(Data, 28, 2);
        const quint32 compression = Little(Data, 30, 4);
        if (compression != 0 && compression != 3)
            return false;
    } else {
        return false;
    }
    height = qAbs(height);
    if (width <= 0 || height <= 0 || bits <= 0 || bits > 32 || width > 65535 || height > 65535)
        return false;
    const qint64 row = (width * bits + 31) / 32 * 4;
    return offset >= 14 + header && offset + row * height <= Data.size();
}

} // namespace

TPicture TPicture::FromData(const QByteArray& Data)
{
    TPicture picture;
    if (TJpegDecoder::LooksLikeJpeg(Data)) {
        picture.FImage = TJpegDecoder::Decode(Data);
        picture.FKind = gkJpeg;
    } else if (Data.startsWith("BM")) {
        QImage image;
        if (!CompleteBitmap(Data) || !image.loadFromData(Data, "BMP"))
            throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
        picture.FImage = image.convertToFormat(QImage::Format_RGB32);
        picture.FKind = gkBitmap;
    } else {
        throw EInvalidGraphic(QStringLiteral("Unknown picture file format"));
    }
    return picture;
}

TPicture TPicture::FromFile(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInvalidGraphic(QStringLiteral("Cannot open picture %1").arg(Path));
    return FromData(file.readAll());
}
