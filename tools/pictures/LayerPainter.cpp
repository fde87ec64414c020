#include "tools/pictures/LayerPainter.h"

#include "tools/pictures/ShadowLayer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor SilkColor(234, 236, 226);
const QColor PadColor(196, 197, 190);
const QColor PadEdge(150, 152, 146);

// Laid out at 100 px and scaled, so small labels keep their proportions.
QFont silkFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

} // namespace

TLayerPainter::TLayerPainter(QPainter& flat, QPainter& body, TShadowLayer& shadows, double scale)
    : FFlat(flat), FBody(body), FShadows(shadows), FScale(scale)
{
}

void TLayerPainter::place(const QPointF& centre, double angle)
{
    FPlace = QTransform::fromTranslate(centre.x(), centre.y());
    FPlace.rotate(angle);
    FAngle = angle;
    const QTransform device = FPlace * QTransform::fromScale(FScale, FScale);
    FFlat.setTransform(device);
    FBody.setTransform(device);
}

QPointF TLayerPainter::lightDirection() const
{
    // The lamp stands to the upper left of the board.
    const QPointF towardsLight(-0.6, -0.8);
    return QTransform().rotate(-FAngle).map(towardsLight);
}

QLinearGradient TLayerPainter::litGradient(const QRectF& local, const QColor& lit,
                                           const QColor& dark) const
{
    const QPointF towards = lightDirection();
    const double reach =
        std::abs(towards.x()) * local.width() / 2 + std::abs(towards.y()) * local.height() / 2;
    QLinearGradient gradient(local.center() + towards * reach, local.center() - towards * reach);
    gradient.setColorAt(0, lit);
    gradient.setColorAt(1, dark);
    return gradient;
}

void TLayerPainter::castShadow(const QPainterPath& local, double height)
{
    FShadows.add(FPlace.map(local), height);
}

void TLayerPainter::silkStroke(const QPainterPath& local, double width)
{
    FFlat.strokePath(local, QPen(SilkColor, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void TLayerPainter::silkFill(const QPainterPath& local)
{
    FFlat.fillPath(local, SilkColor);
}

void TLayerPainter::pad(const QRectF& local, double radius)
{
    QPainterPath path;
    path.addRoundedRect(local, radius, radius);
    FFlat.fillPath(path, PadEdge);
    QPainterPath inner;
    inner.addRoundedRect(local.adjusted(0.3, 0.3, -0.3, -0.3), radius, radius);
    FFlat.fillPath(inner, PadColor);
}

void TLayerPainter::roundPad(const QPointF& local, double radius)
{
    QPainterPath path;
    path.addEllipse(local, radius, radius);
    FFlat.fillPath(path, PadEdge);
    QPainterPath inner;
    inner.addEllipse(local, radius - 0.3, radius - 0.3);
    FFlat.fillPath(inner, PadColor);
}

void TLayerPainter::label(const QPointF& at, const QString& text, double size, Qt::Alignment align,
                          double angle)
{
    const QFont font = silkFont();
    const QFontMetricsF metrics(font);
    const double factor = size / metrics.capHeight();
    const double width = metrics.horizontalAdvance(text) * factor;
    double x = -width / 2;
    if (align & Qt::AlignLeft) {
        x = 0;
    } else if (align & Qt::AlignRight) {
        x = -width;
    }
    QPainterPath path;
    path.addText(0, 0, font, text);
    QTransform shape = QTransform::fromScale(factor, factor);
    shape *= QTransform::fromTranslate(x, size / 2);
    place(at, angle);
    silkFill(shape.map(path));
}

QPainterPath TLayerPainter::rounded(const QRectF& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath TLayerPainter::ellipse(const QPointF& centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}
