#pragma once

#include <QByteArray>
#include <QString>

// The APP1 payload of a JPEG file: "Exif\0\0" and a little-endian TIFF header whose
// IFD0 carries the description, the maker, the orientation and a 72 dpi resolution.
class TExifBlock
{
public:
    TExifBlock(const QString& description, const QString& make);

    QByteArray bytes() const;

private:
    QByteArray FDescription;
    QByteArray FMake;
};
