#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Writes an uncompressed 24-bit bitmap: BITMAPFILEHEADER, BITMAPINFOHEADER (BI_RGB) and
// bottom-up rows padded to four bytes. Laid out by hand so the file is byte-exact.
class TBmpWriter
{
public:
    static QByteArray encode(const QImage& image);
    bool write(const QImage& image, const QString& fileName);
    QString errorString() const { return FError; }

private:
    QString FError;
};
