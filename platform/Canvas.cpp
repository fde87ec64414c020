#include "platform/Canvas.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

TCanvas::TCanvas(QImage* Image, const QWidget* PaletteSource)
    : FImage(Image), FPaletteSource(PaletteSource)
{
}

void TCanvas::Rectangle(int Left, int Top, int Right, int Bottom)
{
    Draw(TShape::Rectangle, Left, Top, Right, Bottom);
}

void TCanvas::RoundRect(int Left, int Top, int Right, int Bottom, int CornerWidth, int CornerHeight)
{
    Draw(TShape::RoundRect, Left, Top, Right, Bottom, CornerWidth, CornerHeight);
}

void TCanvas::Ellipse(int Left, int Top, int Right, int Bottom)
{
    Draw(TShape::Ellipse, Left, Top, Right, Bottom);
}

QPainterPath TCanvas::Outline(TShape Shape, const QRectF& Area, qreal RadiusX, qreal RadiusY)
{
    QPainterPath path;
    if (Area.width() <= 0 || Area.height() <= 0)
        return path;
    switch (Shape) {
    case TShape::Rectangle:
        path.addRect(Area);
        break;
    case TShape::RoundRect:
        path.addRoundedRect(Area, std::max<qreal>(RadiusX, 0), std::max<qreal>(RadiusY, 0));
        break;
    case TShape::Ellipse:
        path.addEllipse(Area);
        break;
    }
    return path;
}

// The one place where the exclusive (Left, Top, Right, Bottom) of the shapes becomes
// QPainter geometry. Filled paths are sampled at pixel centres, so a path over exactly
// [Left, Right) x [Top, Bottom) covers exactly those pixels and comes out symmetric. A
// solid outline is therefore drawn as the shape minus the shape one pixel inside it,
// instead of as an aliased stroke, which leaves curves lopsided and can spill outside.
void TCanvas::Draw(TShape Shape, int Left, int Top, int Right, int Bottom, int CornerWidth,
                   int CornerHeight)
{
    const bool outlined = FPen.Style != psClear;
    const bool filled = FBrush.Style != bsClear;
    if (Right <= Left || Bottom <= Top || FImage->isNull() || (!outlined && !filled))
        return;

    const QRectF area(Left, Top, Right - Left, Bottom - Top);
    const qreal radiusX = CornerWidth / 2.0;
    const qreal radiusY = CornerHeight / 2.0;
    const QColor penColor = Platform::ToQColor(FPen.Color, FPaletteSource);
    const QColor brushColor = Platform::ToQColor(FBrush.Color, FPaletteSource);
    const QPainterPath outer = Outline(Shape, area, radiusX, radiusY);
    const QPainterPath inner =
        Outline(Shape, area.adjusted(1, 1, -1, -1), radiusX - 1, radiusY - 1);

    QPainter painter(FImage);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(area.toRect());
    painter.setPen(Qt::NoPen);

    switch (FPen.Style) {
    case psClear:
        painter.fillPath(outer, brushColor);
        break;
    case psSolid:
        if (filled) {
            painter.fillPath(outer, penColor);
            painter.fillPath(inner, brushColor);
        } else {
            painter.fillPath(outer.subtracted(inner), penColor);
        }
        break;
    case psDash:
        if (filled)
            painter.fillPath(inner, brushColor);
        // A dash pattern needs a real stroke: run it through the border pixels' centres.
        painter.strokePath(
            Outline(Shape, area.adjusted(0.5, 0.5, -0.5, -0.5), radiusX - 0.5, radiusY - 0.5),
            QPen(penColor, 1, Qt::DashLine));
        break;
    }
}
