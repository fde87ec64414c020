#include "tools/pictures/PartPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace {

// Heights in photo pixels decide how far and how soft a part's shadow falls.
constexpr double ChipHeight = 3.0;
constexpr double PassiveHeight = 1.6;
constexpr double HeaderHeight = 6.0;
constexpr double ShuntHeight = 9.0;

const QColor Tin(212, 213, 208);
const QColor TinDark(128, 130, 126);
const QColor Gold(236, 200, 110);
const QColor GoldDark(150, 108, 36);
const QColor Epoxy(20, 20, 22);

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// Rotates a rectangle drawn for the top side of a part onto side k (0 top, 1 right, ...).
QRectF onSide(const QRectF& top, int k)
{
    return QTransform().rotate(90.0 * k).mapRect(top);
}

Qt::Edge edgeOfSide(int k)
{
    constexpr std::array<Qt::Edge, 4> edges{Qt::BottomEdge, Qt::LeftEdge, Qt::TopEdge,
                                            Qt::RightEdge};
    return edges[static_cast<size_t>(k % 4)];
}

QFont markingFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    return font;
}

} // namespace

void TPartPainter::epoxyBody(const QRectF& rect, double radius)
{
    const QPainterPath outer = rounded(rect, radius);
    body().fillPath(outer, Epoxy);
    // Moulded bodies taper, so the top face sits a little inside the outline.
    const QRectF top = rect.adjusted(0.8, 0.8, -0.8, -0.8);
    body().fillPath(rounded(top, radius), litGradient(top, QColor(50, 50, 54), QColor(27, 27, 30)));
    const QPointF towards = lightDirection();
    QPainterPath rim;
    rim.moveTo(towards.x() < 0 ? rect.bottomLeft() : rect.bottomRight());
    rim.lineTo(towards.x() < 0 ? rect.topLeft() : rect.topRight());
    rim.lineTo(towards.y() < 0 ? (towards.x() < 0 ? rect.topRight() : rect.topLeft())
                               : (towards.x() < 0 ? rect.bottomRight() : rect.bottomLeft()));
    body().strokePath(rim, QPen(QColor(96, 98, 104, 150), 0.45));
}

void TPartPainter::gullWingLead(const QRectF& lead, Qt::Edge bodySide)
{
    QLinearGradient gradient;
    switch (bodySide) {
    case Qt::TopEdge:
        gradient = QLinearGradient(lead.center().x(), lead.top(), lead.center().x(), lead.bottom());
        break;
    case Qt::BottomEdge:
        gradient = QLinearGradient(lead.center().x(), lead.bottom(), lead.center().x(), lead.top());
        break;
    case Qt::LeftEdge:
        gradient = QLinearGradient(lead.left(), lead.center().y(), lead.right(), lead.center().y());
        break;
    case Qt::RightEdge:
        gradient = QLinearGradient(lead.right(), lead.center().y(), lead.left(), lead.center().y());
        break;
    }
    // Shoulder in shade, then the bend catching light, then the flat foot in solder.
    gradient.setColorAt(0.0, QColor(92, 94, 92));
    gradient.setColorAt(0.3, QColor(228, 229, 224));
    gradient.setColorAt(0.55, QColor(150, 152, 148));
    gradient.setColorAt(1.0, QColor(200, 201, 196));
    body().fillRect(lead, gradient);
}

void TPartPainter::laserMarking(const QRectF& rect, const QString& marking)
{
    const QStringList lines = marking.split(QLatin1Char('\n'));
    const QFont font = markingFont();
    const QFontMetricsF metrics(font);
    const double cap = std::min(3.4, rect.height() / (lines.size() * 1.9));
    const double factor = cap / metrics.capHeight();
    const double lineStep = cap * 1.7;
    double baseline = rect.center().y() - lineStep * (lines.size() - 1) / 2 + cap / 2;
    QPainterPath text;
    for (const QString& line : lines) {
        QPainterPath path;
        path.addText(0, 0, font, line);
        const double width = metrics.horizontalAdvance(line) * factor;
        QTransform shape = QTransform::fromScale(factor, factor);
        shape *= QTransform::fromTranslate(rect.center().x() - width / 2, baseline);
        text.addPath(shape.map(path));
        baseline += lineStep;
    }
    body().fillPath(text, QColor(138, 140, 138, 170));
}

void TPartPainter::qfp(const QPointF& centre, double bodySize, int pinsPerSide,
                       const QString& marking)
{
    place(centre);
    const double half = bodySize / 2;
    const double span = bodySize - 7;
    const double pitch = span / (pinsPerSide - 1);
    const double leadLength = 4.2;
    for (int side = 0; side < 4; ++side) {
        for (int i = 0; i < pinsPerSide; ++i) {
            const double along = -span / 2 + i * pitch;
            pad(onSide(QRectF(along - pitch * 0.3, -half - leadLength - 1.1, pitch * 0.6,
                              leadLength + 0.4),
                       side),
                0.2);
        }
    }
    QRectF bodyRect(-half, -half, bodySize, bodySize);
    castShadow(rounded(bodyRect, 1), ChipHeight);
    for (int side = 0; side < 4; ++side) {
        for (int i = 0; i < pinsPerSide; ++i) {
            const double along = -span / 2 + i * pitch;
            gullWingLead(onSide(QRectF(along - pitch * 0.22, -half - leadLength, pitch * 0.44,
                                       leadLength + 0.2),
                                side),
                         edgeOfSide(side));
        }
    }
    epoxyBody(bodyRect, 1.0);
    // Pin-1 dimple and the smaller ejector mark in the opposite corner.
    body().fillPath(ellipse(QPointF(-half + 4.5, -half + 4.5), 1.9, 1.9), QColor(18, 18, 20));
    body().strokePath(ellipse(QPointF(-half + 4.5, -half + 4.5), 1.9, 1.9),
                      QPen(QColor(70, 70, 76), 0.3));
    body().fillPath(ellipse(QPointF(half - 6, half - 6), 3.2, 3.2), QColor(36, 36, 40));
    laserMarking(bodyRect.adjusted(8, 10, -8, -12), marking);
    place(centre);
    silkFill(ellipse(QPointF(-half - 5.2, -half - 5.2), 1.1, 1.1));
}

void TPartPainter::soic(const QPointF& centre, int pins, const QSizeF& bodySize, double angle,
                        const QString& marking)
{
    place(centre, angle);
    const int perSide = pins / 2;
    const double halfLength = bodySize.width() / 2;
    const double halfWidth = bodySize.height() / 2;
    const double span = bodySize.width() - 4.6;
    const double pitch = span / (perSide - 1);
    const double leadLength = 3.6;
    for (int i = 0; i < perSide; ++i) {
        const double x = -span / 2 + i * pitch;
        pad(QRectF(x - pitch * 0.3, halfWidth - 0.4, pitch * 0.6, leadLength + 1.6), 0.2);
        pad(QRectF(x - pitch * 0.3, -halfWidth - leadLength - 1.2, pitch * 0.6, leadLength + 1.6),
            0.2);
    }
    const QRectF bodyRect(-halfLength, -halfWidth, bodySize.width(), bodySize.height());
    castShadow(rounded(bodyRect, 0.8), ChipHeight * 0.8);
    for (int i = 0; i < perSide; ++i) {
        const double x = -span / 2 + i * pitch;
        gullWingLead(QRectF(x - pitch * 0.2, halfWidth - 0.2, pitch * 0.4, leadLength),
                     Qt::TopEdge);
        gullWingLead(
            QRectF(x - pitch * 0.2, -halfWidth - leadLength + 0.2, pitch * 0.4, leadLength),
            Qt::BottomEdge);
    }
    epoxyBody(bodyRect, 0.8);
    // The bevel along the pin-1 side and the pin-1 dot.
    body().drawLine(QLineF(-halfLength + 0.8, halfWidth - 2.2, halfLength - 0.8, halfWidth - 2.2));
    body().fillPath(ellipse(QPointF(-halfLength + 3.2, halfWidth - 4.2), 1.2, 1.2),
                    QColor(16, 16, 18));
    laserMarking(bodyRect.adjusted(5, 2.5, -4, -3.5), marking);
    silkFill(ellipse(QPointF(-halfLength - 2.6, halfWidth + leadLength + 1.5), 0.9, 0.9));
}

void TPartPainter::sot23(const QPointF& centre, double angle)
{
    place(centre, angle);
    const QRectF bodyRect(-5.5, -3, 11, 6);
    pad(QRectF(-1.6, -7.4, 3.2, 3.6));
    pad(QRectF(-5.4, 3.8, 3.2, 3.6));
    pad(QRectF(2.2, 3.8, 3.2, 3.6));
    castShadow(rounded(bodyRect, 0.5), PassiveHeight + 0.4);
    gullWingLead(QRectF(-1, -6, 2, 3.2), Qt::BottomEdge);
    gullWingLead(QRectF(-4.8, 2.8, 2, 3.2), Qt::TopEdge);
    gullWingLead(QRectF(2.8, 2.8, 2, 3.2), Qt::TopEdge);
    epoxyBody(bodyRect, 0.5);
}

void TPartPainter::sot223(const QPointF& centre, double angle, const QString& marking)
{
    place(centre, angle);
    const QRectF bodyRect(-13, -7, 26, 14);
    pad(QRectF(-8, -15.5, 16, 7.5), 0.4);
    for (int i = -1; i <= 1; ++i) {
        pad(QRectF(i * 9 - 2.2, 8.5, 4.4, 7), 0.3);
    }
    castShadow(rounded(bodyRect, 0.6), ChipHeight);
    body().fillRect(
        QRectF(-6.5, -13, 13, 6.4),
        litGradient(QRectF(-6.5, -13, 13, 6.4), QColor(226, 227, 222), QColor(150, 152, 148)));
    for (int i = -1; i <= 1; ++i) {
        gullWingLead(QRectF(i * 9 - 1.5, 6.8, 3, 6.4), Qt::TopEdge);
    }
    epoxyBody(bodyRect, 0.6);
    laserMarking(bodyRect.adjusted(2, 2, -2, -2), marking);
}

void TPartPainter::chip(const QPointF& centre, TChipKind kind, const QSizeF& size, double angle)
{
    place(centre, angle);
    const double hw = size.width() / 2;
    const double hh = size.height() / 2;
    const double cap = size.width() * 0.22;
    pad(QRectF(-hw - 1.2, -hh - 0.6, cap + 2.2, size.height() + 1.2), 0.3);
    pad(QRectF(hw - cap - 1.0, -hh - 0.6, cap + 2.2, size.height() + 1.2), 0.3);
    const QRectF bodyRect(-hw, -hh, size.width(), size.height());
    castShadow(rounded(bodyRect, 0.3), PassiveHeight);
    const QRectF middle(-hw + cap, -hh, size.width() - 2 * cap, size.height());
    switch (kind) {
    case ckResistor:
        body().fillRect(bodyRect, QColor(26, 26, 28));
        body().fillRect(middle.adjusted(0.4, 0.3, -0.4, -0.3),
                        litGradient(middle, QColor(44, 44, 46), QColor(20, 20, 22)));
        // The printed value code, far too small to read at this distance.
        body().fillRect(QRectF(-hw * 0.35, -hh * 0.3, hw * 0.7, hh * 0.6),
                        QColor(150, 150, 146, 90));
        break;
    case ckCapacitor:
        body().fillRect(bodyRect,
                        litGradient(bodyRect, QColor(196, 160, 110), QColor(132, 98, 60)));
        break;
    case ckFerrite:
        body().fillRect(bodyRect, litGradient(bodyRect, QColor(78, 78, 80), QColor(40, 40, 42)));
        break;
    }
    const QRectF left(-hw, -hh, cap, size.height());
    const QRectF right(hw - cap, -hh, cap, size.height());
    body().fillRect(left, litGradient(left, QColor(236, 236, 232), QColor(140, 142, 138)));
    body().fillRect(right, litGradient(right, QColor(236, 236, 232), QColor(140, 142, 138)));
}

void TPartPainter::resistorArray(const QPointF& centre, double angle)
{
    place(centre, angle);
    const QRectF bodyRect(-6.4, -3.2, 12.8, 6.4);
    for (int i = 0; i < 4; ++i) {
        const double x = -4.8 + i * 3.2;
        pad(QRectF(x - 1, -5.2, 2, 3), 0.2);
        pad(QRectF(x - 1, 2.2, 2, 3), 0.2);
    }
    castShadow(rounded(bodyRect, 0.3), PassiveHeight);
    body().fillRect(bodyRect, litGradient(bodyRect, QColor(44, 44, 46), QColor(20, 20, 22)));
    for (int i = 0; i < 4; ++i) {
        const double x = -4.8 + i * 3.2;
        body().fillRect(QRectF(x - 0.8, -3.4, 1.6, 1.5), Tin);
        body().fillRect(QRectF(x - 0.8, 1.9, 1.6, 1.5), Tin);
    }
    body().fillRect(QRectF(-3, -1, 6, 2), QColor(150, 150, 146, 70));
}

void TPartPainter::diode(const QPointF& centre, double angle)
{
    place(centre, angle);
    const QRectF bodyRect(-8.5, -5, 17, 10);
    pad(QRectF(-12, -4, 6.5, 8), 0.4);
    pad(QRectF(5.5, -4, 6.5, 8), 0.4);
    castShadow(rounded(bodyRect, 0.8), ChipHeight * 0.8);
    body().fillRect(QRectF(-10.5, -3, 3, 6), litGradient(QRectF(-10.5, -3, 3, 6), Tin, TinDark));
    body().fillRect(QRectF(7.5, -3, 3, 6), litGradient(QRectF(7.5, -3, 3, 6), Tin, TinDark));
    body().fillPath(rounded(bodyRect, 0.8),
                    litGradient(bodyRect, QColor(70, 70, 74), QColor(38, 38, 42)));
    // Cathode band.
    body().fillRect(QRectF(-6.5, -4.6, 2.4, 9.2), QColor(170, 172, 170));
    silkFill(polygon({{-13.5, -5.5}, {-13.5, 5.5}, {-14.8, 5.5}, {-14.8, -5.5}}));
}

void TPartPainter::electrolytic(const QPointF& centre, double diameter, double angle)
{
    place(centre, angle);
    const double r = diameter / 2;
    const double base = r + 1.6;
    const double chamfer = base * 0.45;
    pad(QRectF(-base - 4, -2.6, 6, 5.2), 0.4);
    pad(QRectF(base - 2, -2.6, 6, 5.2), 0.4);
    // Silkscreen outline with the chamfered positive side and a plus sign.
    const double s = base + 1.8;
    const QPainterPath outline = polygon({{-s + chamfer + 1.8, -s},
                                          {s, -s},
                                          {s, s},
                                          {-s + chamfer + 1.8, s},
                                          {-s, s - chamfer - 1.8},
                                          {-s, -s + chamfer + 1.8}});
    silkStroke(outline, 0.9);
    QPainterPath plus;
    plus.moveTo(-s - 6, -s + 3);
    plus.lineTo(-s - 2, -s + 3);
    plus.moveTo(-s - 4, -s + 1);
    plus.lineTo(-s - 4, -s + 5);
    silkStroke(plus, 0.9);

    const QPainterPath basePath = polygon({{-base + chamfer, -base},
                                           {base, -base},
                                           {base, base},
                                           {-base + chamfer, base},
                                           {-base, base - chamfer},
                                           {-base, -base + chamfer}});
    castShadow(ellipse({0, 0}, r, r).united(basePath), diameter * 0.55);
    body().fillPath(basePath, litGradient(QRectF(-base, -base, 2 * base, 2 * base),
                                          QColor(46, 46, 50), QColor(20, 20, 22)));
    body().fillRect(QRectF(-base - 2.5, -1.5, 3, 3), Tin);
    body().fillRect(QRectF(base - 0.5, -1.5, 3, 3), Tin);

    // The aluminium can: rolled lip, a domed top with a scored vent, and the dark
    // half-moon that marks the negative side.
    const QPointF towards = lightDirection();
    QRadialGradient can(towards * r * 0.35, r * 1.1);
    can.setColorAt(0, QColor(236, 237, 238));
    can.setColorAt(0.7, QColor(186, 188, 190));
    can.setColorAt(1, QColor(120, 122, 126));
    body().fillPath(ellipse({0, 0}, r, r), QColor(70, 72, 76));
    body().fillPath(ellipse({0, 0}, r - 0.7, r - 0.7), can);
    body().strokePath(ellipse({0, 0}, r - 1.9, r - 1.9), QPen(QColor(120, 122, 126, 170), 0.7));
    body().strokePath(ellipse({0, 0}, r - 2.6, r - 2.6), QPen(QColor(245, 245, 246, 120), 0.5));
    QPainterPath moon;
    moon.addEllipse(QPointF(0, 0), r - 2.1, r - 2.1);
    QPainterPath keep;
    keep.addRect(QRectF(r * 0.42, -r, r, 2 * r));
    body().fillPath(moon.intersected(keep), QColor(30, 32, 44, 235));
    QPainterPath vent;
    vent.moveTo(-r * 0.45, 0);
    vent.lineTo(r * 0.3, 0);
    vent.moveTo(0, -r * 0.45);
    vent.lineTo(0, r * 0.45);
    body().strokePath(vent, QPen(QColor(110, 112, 116), 0.6));
    body().translate(0.5, 0.5);
    body().strokePath(vent, QPen(QColor(245, 245, 245, 120), 0.4));
    body().translate(-0.5, -0.5);
}

void TPartPainter::crystal(const QPointF& centre, double angle)
{
    place(centre, angle);
    const QRectF baseRect(-21, -8.5, 42, 17);
    pad(QRectF(-25, -4, 9, 8), 0.5);
    pad(QRectF(16, -4, 9, 8), 0.5);
    castShadow(rounded(baseRect, 2), 4.5);
    body().fillPath(rounded(baseRect, 2), QColor(24, 24, 26));
    body().fillRect(QRectF(-23.5, -2.5, 4, 5), Tin);
    body().fillRect(QRectF(19.5, -2.5, 4, 5), Tin);
    const QRectF can(-19, -7, 38, 14);
    body().fillPath(rounded(can, 7), QColor(120, 122, 124));
    const QRectF lid = can.adjusted(1.1, 1.1, -1.1, -1.1);
    QLinearGradient sheen = litGradient(lid, QColor(242, 242, 240), QColor(150, 152, 154));
    sheen.setColorAt(0.45, QColor(206, 208, 208));
    sheen.setColorAt(0.55, QColor(176, 178, 180));
    body().fillPath(rounded(lid, 6), sheen);
    body().strokePath(rounded(lid.adjusted(1.2, 1.2, -1.2, -1.2), 5),
                      QPen(QColor(255, 255, 255, 90), 0.5));
}

void TPartPainter::led(const QPointF& centre, const QColor& colour)
{
    place(centre);
    const double flange = 8.2;
    const double dome = 6.6;
    // Silkscreen circle with the flat on the cathode side.
    QPainterPath outline;
    outline.addEllipse(QPointF(0, 0), flange + 1.8, flange + 1.8);
    QPainterPath cut;
    cut.addRect(QRectF(flange + 0.4, -20, 20, 40));
    silkStroke(outline.subtracted(cut), 0.9);
    QPainterPath flat;
    flat.moveTo(flange + 0.4, -4.6);
    flat.lineTo(flange + 0.4, 4.6);
    silkStroke(flat, 0.9);

    QPainterPath rim = ellipse({0, 0}, flange, flange);
    QPainterPath clip;
    clip.addRect(QRectF(flange - 1.2, -flange, 4, 2 * flange));
    rim = rim.subtracted(clip);
    castShadow(rim, 7);
    body().fillPath(rim, colour.darker(240));
    body().fillPath(rim.subtracted(ellipse({0, 0}, dome + 0.3, dome + 0.3)),
                    litGradient(QRectF(-flange, -flange, 2 * flange, 2 * flange),
                                colour.lighter(115), colour.darker(200)));
    const QPointF towards = lightDirection();
    QRadialGradient lens(towards * dome * 0.3, dome * 1.15);
    lens.setColorAt(0, colour.lighter(170));
    lens.setColorAt(0.55, colour);
    lens.setColorAt(1, colour.darker(260));
    body().fillPath(ellipse({0, 0}, dome, dome), lens);
    // The reflector cup and die seen through the lens.
    body().fillPath(ellipse({0.6, 0.4}, 2.3, 2.3), colour.darker(190));
    body().fillRect(QRectF(0, -0.2, 1.3, 1.3), QColor(60, 60, 40));
    body().fillPath(ellipse(towards * dome * 0.45, 1.8, 1.2), QColor(255, 255, 255, 200));
    body().fillPath(ellipse(-towards * dome * 0.55, 1.0, 0.7), QColor(255, 255, 255, 70));
}

void TPartPainter::squarePin(const QPointF& at, double size)
{
    const QRectF pin(at.x() - size / 2, at.y() - size / 2, size, size);
    body().fillRect(pin, litGradient(pin, Gold, GoldDark));
    // The pointed tip shows as a smaller, brighter square.
    const QRectF tip = pin.adjusted(size * 0.3, size * 0.3, -size * 0.3, -size * 0.3);
    body().fillRect(tip, Gold.lighter(118));
}

void TPartPainter::shuntCap(const QRectF& cap)
{
    castShadow(rounded(cap, 1.4), ShuntHeight);
    body().fillPath(rounded(cap, 1.4), QColor(14, 14, 16));
    const QRectF top = cap.adjusted(0.9, 0.9, -0.9, -0.9);
    body().fillPath(rounded(top, 1.0), litGradient(top, QColor(74, 76, 84), QColor(22, 22, 26)));
    // Grip ribs across the top and the open slot over the pins.
    for (int i = 1; i <= 3; ++i) {
        const double x = top.left() + top.width() * (0.12 + 0.05 * i);
        body().fillRect(QRectF(x, top.top() + 1, 0.5, top.height() - 2), QColor(12, 12, 14, 190));
    }
    const QRectF slot(cap.center().x() - cap.width() * 0.1, cap.center().y() - cap.height() * 0.18,
                      cap.width() * 0.42, cap.height() * 0.36);
    body().fillRect(slot, QColor(8, 8, 10));
    body().strokePath(rounded(slot, 0.2), QPen(QColor(96, 98, 106, 150), 0.4));
}

void TPartPainter::pinHeader(const QPointF& centre, double pitch, TShunt shunt, double angle)
{
    place(centre, angle);
    const double half = pitch * 1.5;
    const QRectF outline(-half - 1.6, -pitch / 2 - 1.6, 3 * pitch + 3.2, pitch + 3.2);
    silkStroke(rounded(outline, 0.3), 0.9);
    silkFill(ellipse(QPointF(-half - 3.6, pitch / 2 + 1.6), 0.9, 0.9));
    for (int i = 0; i < 3; ++i) {
        roundPad(QPointF((i - 1) * pitch, 0), pitch * 0.42);
    }
    // The plastic strip, notched between pins as a breakaway header is.
    QPainterPath strip;
    strip.addRoundedRect(QRectF(-half, -pitch / 2, 3 * pitch, pitch), 0.6, 0.6);
    for (int i = 1; i < 3; ++i) {
        const double x = -half + i * pitch;
        strip = strip.subtracted(polygon(
            {{x - 0.9, -pitch / 2 - 0.1}, {x + 0.9, -pitch / 2 - 0.1}, {x, -pitch / 2 + 0.9}}));
        strip = strip.subtracted(polygon(
            {{x - 0.9, pitch / 2 + 0.1}, {x + 0.9, pitch / 2 + 0.1}, {x, pitch / 2 - 0.9}}));
    }
    castShadow(strip, HeaderHeight);
    body().fillPath(strip, QColor(16, 16, 18));
    const QRectF top(-half + 0.7, -pitch / 2 + 0.7, 3 * pitch - 1.4, pitch - 1.4);
    body().fillPath(strip.intersected(rounded(top, 0.4)),
                    litGradient(top, QColor(58, 58, 62), QColor(26, 26, 29)));
    for (int i = 0; i < 3; ++i) {
        squarePin(QPointF((i - 1) * pitch, 0), pitch * 0.3);
    }
    if (shunt != shNone) {
        const double x = shunt == shLeft ? -pitch / 2 : pitch / 2;
        shuntCap(QRectF(x - pitch - 1.1, -pitch / 2 - 1.4, 2 * pitch + 2.2, pitch + 2.8));
    }
}

void TPartPainter::wireConnector(const QPointF& centre, int pins, double pitch)
{
    place(centre);
    const double halfLength = (pins - 1) * pitch / 2 + 4;
    const QRectF housing(-halfLength, -5.6, 2 * halfLength, 11.2);
    silkStroke(rounded(housing.adjusted(-1.6, -1.6, 1.6, 1.6), 0.3), 0.9);
    castShadow(rounded(housing, 0.6), 5.5);
    const QColor nylon(232, 226, 208);
    body().fillPath(rounded(housing, 0.6),
                    litGradient(housing, nylon.lighter(106), nylon.darker(118)));
    // The open mating side with its polarising wall; contacts stand inside.
    const QRectF cavity = housing.adjusted(1.5, 1.6, -1.5, -3.4);
    body().fillRect(cavity, litGradient(cavity, QColor(150, 142, 124), QColor(196, 188, 168)));
    body().fillRect(QRectF(cavity.left(), cavity.top(), cavity.width(), 1.0),
                    QColor(110, 102, 88, 150));
    for (int i = 0; i < pins; ++i) {
        const double x = -(pins - 1) * pitch / 2 + i * pitch;
        body().fillRect(QRectF(x - 1.0, cavity.top() + 1.4, 2.0, 2.6),
                        litGradient(QRectF(x - 1, cavity.top() + 1.4, 2, 2.6), Gold, GoldDark));
        body().fillRect(QRectF(x - 0.5, housing.bottom() - 2.6, 1.0, 1.4), QColor(170, 160, 140));
    }
    body().fillRect(QRectF(-2.2, housing.bottom() - 1.3, 4.4, 1.3), QColor(176, 168, 148));
}

void TPartPainter::tactSwitch(const QPointF& centre)
{
    place(centre);
    const QRectF frame(-12, -12, 24, 24);
    for (const double x : {-15.0, 15.0}) {
        for (const double y : {-8.0, 8.0}) {
            pad(QRectF(x - 3, y - 2.2, 6, 4.4), 0.4);
        }
    }
    castShadow(rounded(frame, 1), 7);
    // Legs bent out at the four corners, then the plated frame and the round plunger.
    for (const double x : {-14.0, 11.5}) {
        for (const double y : {-9.5, 6.5}) {
            body().fillRect(QRectF(x, y, 2.5, 3), litGradient(QRectF(x, y, 2.5, 3), Tin, TinDark));
        }
    }
    body().fillPath(rounded(frame, 1), QColor(26, 26, 28));
    const QRectF plate = frame.adjusted(1.2, 1.2, -1.2, -1.2);
    body().fillPath(rounded(plate, 0.8),
                    litGradient(plate, QColor(232, 233, 230), QColor(150, 152, 150)));
    for (const double x : {-8.0, 8.0}) {
        for (const double y : {-8.0, 8.0}) {
            body().fillPath(ellipse(QPointF(x, y), 1.1, 1.1), QColor(110, 112, 112));
        }
    }
    body().fillPath(ellipse({0, 0}, 8.2, 8.2), QColor(84, 86, 88));
    castShadow(ellipse({0, 0}, 7.0, 7.0), 10);
    const QPointF towards = lightDirection();
    QRadialGradient knob(towards * 2.5, 9);
    knob.setColorAt(0, QColor(72, 72, 76));
    knob.setColorAt(1, QColor(14, 14, 16));
    body().fillPath(ellipse({0, 0}, 7.0, 7.0), knob);
    body().strokePath(ellipse({0, 0}, 6.4, 6.4), QPen(QColor(110, 110, 116, 120), 0.5));
}

void TPartPainter::powerInductor(const QPointF& centre, double size, const QString& marking)
{
    place(centre);
    const double h = size / 2;
    pad(QRectF(-h - 1.5, -h * 0.55, 5, h * 1.1), 0.4);
    pad(QRectF(h - 3.5, -h * 0.55, 5, h * 1.1), 0.4);
    const QRectF core(-h, -h, size, size);
    castShadow(rounded(core, 2.2), 6);
    // A shielded drum core: grey ferrite with the winding just visible in the gap.
    body().fillPath(rounded(core, 2.2), QColor(36, 36, 38));
    body().fillPath(rounded(core.adjusted(0.8, 0.8, -0.8, -0.8), 1.8),
                    litGradient(core, QColor(104, 104, 106), QColor(52, 52, 54)));
    body().fillPath(ellipse({0, 0}, h * 0.78, h * 0.78), QColor(74, 40, 22));
    body().fillPath(ellipse({0, 0}, h * 0.6, h * 0.6),
                    litGradient(core, QColor(98, 98, 100), QColor(48, 48, 50)));
    laserMarking(QRectF(-h * 0.5, -h * 0.4, h, h * 0.8), marking);
}

void TPartPainter::emptyHeader(const QPointF& centre, int columns, int rows, double pitch)
{
    place(centre);
    const double hw = columns * pitch / 2;
    const double hh = rows * pitch / 2;
    silkStroke(rounded(QRectF(-hw - 1, -hh - 1, 2 * hw + 2, 2 * hh + 2), 0.3), 0.9);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const QPointF at(-hw + (c + 0.5) * pitch, -hh + (r + 0.5) * pitch);
            if (c == 0 && r == rows - 1) {
                pad(QRectF(at.x() - pitch * 0.38, at.y() - pitch * 0.38, pitch * 0.76,
                           pitch * 0.76),
                    0.2);
            } else {
                roundPad(at, pitch * 0.38);
            }
            flat().fillPath(ellipse(at, pitch * 0.2, pitch * 0.2), QColor(64, 66, 62));
        }
    }
}

void TPartPainter::mountingHole(const QPointF& centre, double radius)
{
    place(centre);
    roundPad(QPointF(0, 0), radius);
    const double drill = radius * 0.62;
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        const QPointF at(std::cos(a) * radius * 0.81, std::sin(a) * radius * 0.81);
        flat().fillPath(ellipse(at, 0.75, 0.75), QColor(70, 72, 66));
    }
    // Through the hole one sees the table, in the board's own shadow.
    const QPointF towards = lightDirection();
    QRadialGradient bore(-towards * drill * 0.3, drill * 1.2);
    bore.setColorAt(0, QColor(110, 110, 106));
    bore.setColorAt(1, QColor(44, 44, 42));
    flat().fillPath(ellipse({0, 0}, drill, drill), bore);
    flat().strokePath(ellipse({0, 0}, drill, drill), QPen(QColor(150, 150, 144), 0.6));
}

void TPartPainter::fiducial(const QPointF& centre)
{
    place(centre);
    flat().fillPath(ellipse({0, 0}, 4.2, 4.2), QColor(150, 136, 92));
    roundPad(QPointF(0, 0), 1.9);
}

void TPartPainter::testPoint(const QPointF& centre)
{
    place(centre);
    roundPad(QPointF(0, 0), 2.3);
}
