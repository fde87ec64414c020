#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Encodes an image as a progressive JFIF 1.01 file with an EXIF block, through libjpeg.
class TJpegWriter
{
public:
    explicit TJpegWriter(int quality);

    bool write(const QImage& image, const QByteArray& exif, const QString& fileName);
    QString errorString() const { return FError; }

private:
    bool encode(const QImage& rgb, const QByteArray& exif, QByteArray& encoded);

    int FQuality;
    QString FError;
};
