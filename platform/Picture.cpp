#include "platform/Picture.h"

#include "platform/Exceptions.h"
#include "platform/JpegDecoder.h"

#include <QFile>

TPicture TPicture::FromData(const QByteArray& Data)
{
    TPicture picture;
    if (TJpegDecoder::LooksLikeJpeg(Data)) {
        picture.FImage = TJpegDecoder::Decode(Data);
        picture.FKind = gkJpeg;
    } else if (Data.startsWith("BM")) {
        QImage image;
        if (!image.loadFromData(Data, "BMP"))
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
