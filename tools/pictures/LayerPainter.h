#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QTransform>

class QPainter;
class QPainterPath;
class QPointF;
class QRectF;
class QString;
class TShadowLayer;

// Common ground of the part painters. A part is drawn in its own coordinates after
// place(): flat things (pads, silkscreen) onto the board, raised things onto the body
// layer, and its footprint into the shadow layer.
class TLayerPainter
{
public:
    TLayerPainter(QPainter& flat, QPainter& body, TShadowLayer& shadows, double scale);

    // Silkscreen text centred (or aligned) at a point of the photograph; size is the
    // height of its capitals in photo pixels.
    void label(const QPointF& at, const QString& text, double size,
               Qt::Alignment align = Qt::AlignCenter, double angle = 0);

protected:
    // Shape builders shared by the part painters.
    static QPainterPath rounded(const QRectF& rect, double radius);
    static QPainterPath ellipse(const QPointF& centre, double rx, double ry);
    void place(const QPointF& centre, double angle = 0);
    void castShadow(const QPainterPath& local, double height);
    void silkStroke(const QPainterPath& local, double width = 1.1);
    void silkFill(const QPainterPath& local);
    void pad(const QRectF& local, double radius = 0.4);
    void roundPad(const QPointF& local, double radius);
    // Gradient across a local rectangle, bright on the side facing the light.
    QLinearGradient litGradient(const QRectF& local, const QColor& lit, const QColor& dark) const;
    // Unit vector towards the light, in the placed part's own coordinates.
    QPointF lightDirection() const;

    QPainter& flat() { return FFlat; }
    QPainter& body() { return FBody; }

private:
    QPainter& FFlat;
    QPainter& FBody;
    TShadowLayer& FShadows;
    double FScale;
    QTransform FPlace;
    double FAngle = 0;
};
