#pragma once

#include "platform/Types.h"

#include <cstdint>

class QImage;
class QPainterPath;
class QRectF;
class QWidget;

// A drawing surface over a 32-bit image (QImage::Format_RGB32) with a pen and a brush.
// Shapes take (Left, Top, Right, Bottom) with Right and Bottom exclusive: the outline
// lies on the border pixels of that area and the brush fills what is inside it.
// Drawing is aliased, so every pixel is either untouched or in one of the two colours.
class TCanvas
{
public:
    enum TPenStyle : std::uint8_t
    {
        psSolid,
        psDash,
        psClear
    };
    enum TBrushStyle : std::uint8_t
    {
        bsSolid,
        bsClear
    };

    // Always one pixel wide.
    struct TPen
    {
        Platform::TColor Color = Platform::clBlack;
        TPenStyle Style = psSolid;
        bool operator==(const TPen&) const = default;
    };

    struct TBrush
    {
        Platform::TColor Color = Platform::clWhite;
        TBrushStyle Style = bsSolid;
        bool operator==(const TBrush&) const = default;
    };

    // System colours resolve through PaletteSource's palette (the application's when null).
    explicit TCanvas(QImage* Image, const QWidget* PaletteSource = nullptr);

    TPen& Pen() { return FPen; }
    const TPen& Pen() const { return FPen; }
    void SetPen(const TPen& Value) { FPen = Value; }
    TBrush& Brush() { return FBrush; }
    const TBrush& Brush() const { return FBrush; }
    void SetBrush(const TBrush& Value) { FBrush = Value; }

    void Rectangle(int Left, int Top, int Right, int Bottom);
    // CornerWidth and CornerHeight are the size of the ellipse that rounds each corner.
    void RoundRect(int Left, int Top, int Right, int Bottom, int CornerWidth, int CornerHeight);
    void Ellipse(int Left, int Top, int Right, int Bottom);

private:
    enum class TShape : std::uint8_t
    {
        Rectangle,
        RoundRect,
        Ellipse
    };

    void Draw(TShape Shape, int Left, int Top, int Right, int Bottom, int CornerWidth = 0,
              int CornerHeight = 0);
    static QPainterPath Outline(TShape Shape, const QRectF& Area, qreal RadiusX, qreal RadiusY);

    QImage* FImage;
    const QWidget* FPaletteSource;
    TPen FPen;
    TBrush FBrush;
};
