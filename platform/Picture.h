#pragma once

#include <QImage>
#include <QMetaType>
#include <QString>

// A picture as the controls hold it: a decoded graphic (or none) and the graphic's
// transparency request. Copying a picture copies the graphic (implicitly shared).
class TPicture
{
public:
    enum TGraphicKind : std::uint8_t
    {
        gkNone,
        gkBitmap,
        gkJpeg
    };

    TPicture() = default;

    // Decodes JPEG or BMP data; anything else, or broken data, raises EInvalidGraphic.
    static TPicture FromData(const QByteArray& Data);
    static TPicture FromFile(const QString& Path);

    bool HasGraphic() const { return FKind != gkNone; }
    TGraphicKind Kind() const { return FKind; }
    int Width() const { return HasGraphic() ? FImage.width() : 0; }
    int Height() const { return HasGraphic() ? FImage.height() : 0; }
    const QImage& Image() const { return FImage; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }

    bool operator==(const TPicture& Other) const = default;

private:
    TGraphicKind FKind = gkNone;
    QImage FImage;
    bool FTransparent = false;
};

Q_DECLARE_METATYPE(TPicture)
