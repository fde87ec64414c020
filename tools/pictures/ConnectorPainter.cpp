#include "tools/pictures/ConnectorPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <numbers>

namespace {

constexpr double DsubHeight = 14.0;
constexpr double StandoffHeight = 17.0;
constexpr double UsbHeight = 12.0;
constexpr double JackHeight = 11.0;

// Shell of a 37-way D-sub, scaled to the board: the flange plate, the trapezoid and
// the contact grid (19 contacts on the wide side, 18 on the narrow one).
constexpr double FlangeWidth = 270;
constexpr double FlangeHeight = 48;
constexpr double StandoffX = 123.5;
constexpr double ShellTopHalf = 107;
constexpr double ShellBottomHalf = 101.4;
constexpr double ShellHalfHeight = 16;
constexpr double ContactPitch = 10.6;
constexpr double RowGap = 5.6;

// A trapezoid with rounded corners, wide side at the top.
QPainterPath trapezoid(double topHalf, double bottomHalf, double halfHeight, double radius)
{
    const QPolygonF corners{QPointF(-topHalf, -halfHeight), QPointF(topHalf, -halfHeight),
                            QPointF(bottomHalf, halfHeight), QPointF(-bottomHalf, halfHeight)};
    QPainterPath path;
    const int n = static_cast<int>(corners.size());
    for (int i = 0; i < n; ++i) {
        const QPointF prev = corners[(i + n - 1) % n];
        const QPointF here = corners[i];
        const QPointF next = corners[(i + 1) % n];
        const QLineF in(here, prev);
        const QLineF out(here, next);
        const QPointF a = in.pointAt(radius / in.length());
        const QPointF b = out.pointAt(radius / out.length());
        if (i == 0) {
            path.moveTo(a);
        } else {
            path.lineTo(a);
        }
        path.quadTo(here, b);
    }
    path.closeSubpath();
    return path;
}

QPainterPath hexagon(const QPointF& centre, double acrossFlats)
{
    const double r = acrossFlats / std::sqrt(3.0);
    QPolygonF points;
    for (int i = 0; i < 6; ++i) {
        const double a = std::numbers::pi / 3 * i;
        points << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPointF contact(int index, double rowGap, double pitch)
{
    // Contacts 1-19 along the wide side, 20-37 between them on the narrow side.
    if (index < 19) {
        return {(index - 9) * pitch, -rowGap};
    }
    return {(index - 19 - 8.5) * pitch, rowGap};
}

} // namespace

void TConnectorPainter::dsub37(const QPointF& centre, bool male, double angle)
{
    place(centre, angle);
    const QRectF flange(-FlangeWidth / 2, -FlangeHeight / 2, FlangeWidth, FlangeHeight);
    castShadow(rounded(flange, 3), DsubHeight);
    dsubFlange(flange);

    const QPainterPath shell = trapezoid(ShellTopHalf, ShellBottomHalf, ShellHalfHeight, 5);
    // The drawn shell flares where it meets the flange.
    const QPainterPath flare =
        trapezoid(ShellTopHalf + 3, ShellBottomHalf + 3, ShellHalfHeight + 3, 7);
    body().fillPath(flare, litGradient(flange, QColor(214, 216, 214), QColor(140, 142, 140)));
    body().strokePath(flare, QPen(QColor(96, 98, 96, 160), 0.6));
    body().fillPath(shell, QColor(92, 94, 94));
    const QPainterPath lip =
        trapezoid(ShellTopHalf - 0.4, ShellBottomHalf - 0.4, ShellHalfHeight - 0.4, 4.6);
    body().fillPath(lip, litGradient(flange, QColor(246, 246, 244), QColor(168, 170, 170)));

    const QPainterPath inside =
        trapezoid(ShellTopHalf - 2.2, ShellBottomHalf - 2.2, ShellHalfHeight - 2.2, 3.4);
    if (male) {
        // Deep cavity: the insert floor lies well below the lip, in the lip's shadow.
        body().fillPath(inside, QColor(36, 38, 44));
        for (int i = 1; i <= 4; ++i) {
            const QPainterPath shade =
                inside.subtracted(inside.translated(lightDirection() * -0.9 * i));
            body().fillPath(shade, QColor(6, 6, 8, 70));
        }
        malePins(RowGap, ContactPitch);
    } else {
        femaleInsert(inside, RowGap, ContactPitch);
    }
    for (const double x : {-StandoffX, StandoffX}) {
        hexStandoff(QPointF(x, 0), 17);
    }
}

void TConnectorPainter::dsubFlange(const QRectF& flange)
{
    body().fillPath(rounded(flange, 3), QColor(104, 106, 106));
    const QRectF plate = flange.adjusted(0.7, 0.7, -0.7, -0.7);
    QLinearGradient steel = litGradient(plate, QColor(222, 224, 222), QColor(150, 152, 152));
    steel.setColorAt(0.5, QColor(192, 194, 193));
    body().fillPath(rounded(plate, 2.5), steel);
    // Rolling marks in the plated steel.
    QRandomGenerator grain(2040);
    body().save();
    body().setClipPath(rounded(plate, 2.5));
    for (int i = 0; i < 90; ++i) {
        const double y = plate.top() + grain.bounded(plate.height());
        const double x = plate.left() + grain.bounded(plate.width());
        const double length = 20 + grain.bounded(80.0);
        const int shade = grain.bounded(2) == 0 ? 255 : 60;
        body().setPen(
            QPen(QColor(shade, shade, shade, 10 + grain.bounded(14)), 0.4 + grain.bounded(0.6)));
        body().drawLine(QLineF(x, y, x + length, y));
    }
    body().restore();
    // Grounding dimples pressed into the flange beside the shell.
    for (const double x : {-ShellTopHalf - 6.5, ShellTopHalf + 6.5}) {
        body().fillPath(ellipse(QPointF(x, 12), 1.7, 1.7),
                        litGradient(QRectF(x - 1.7, 10.3, 3.4, 3.4), QColor(120, 122, 122),
                                    QColor(240, 240, 238)));
    }
}

void TConnectorPainter::hexStandoff(const QPointF& at, double acrossFlats)
{
    const QPainterPath hex = hexagon(at, acrossFlats);
    castShadow(hex, StandoffHeight - DsubHeight);
    const QRectF box = hex.boundingRect();
    body().fillPath(hex, QColor(96, 98, 98));
    body().fillPath(hexagon(at, acrossFlats - 1.2),
                    litGradient(box, QColor(236, 236, 232), QColor(132, 134, 134)));
    // Chamfered corners leave a round top face.
    const double face = acrossFlats / 2 - 0.6;
    body().fillPath(ellipse(at, face, face),
                    litGradient(box, QColor(214, 216, 214), QColor(158, 160, 160)));
    body().strokePath(ellipse(at, face, face), QPen(QColor(250, 250, 248, 120), 0.5));
    const double bore = acrossFlats * 0.2;
    body().fillPath(ellipse(at, bore + 0.8, bore + 0.8), QColor(84, 86, 86));
    QRadialGradient hole(at - lightDirection() * bore * 0.4, bore * 1.3);
    hole.setColorAt(0, QColor(30, 30, 30));
    hole.setColorAt(1, QColor(10, 10, 10));
    body().fillPath(ellipse(at, bore, bore), hole);
    body().strokePath(ellipse(at, bore * 0.7, bore * 0.7), QPen(QColor(70, 70, 66, 150), 0.4));
}

void TConnectorPainter::malePins(double rowGap, double pitch)
{
    const QPointF towards = lightDirection();
    for (int i = 0; i < 37; ++i) {
        const QPointF at = contact(i, rowGap, pitch);
        body().fillPath(ellipse(at + QPointF(0.7, 0.9), 2.5, 2.5), QColor(4, 4, 6, 140));
        QRadialGradient pin(at + towards * 0.8, 2.6);
        pin.setColorAt(0, QColor(255, 236, 170));
        pin.setColorAt(0.5, QColor(222, 182, 88));
        pin.setColorAt(1, QColor(128, 92, 30));
        body().fillPath(ellipse(at, 2.1, 2.1), pin);
        body().fillPath(ellipse(at + towards * 0.7, 0.6, 0.6), QColor(255, 255, 235, 200));
    }
}

void TConnectorPainter::femaleInsert(const QPainterPath& shell, double rowGap, double pitch)
{
    // The insert stands nearly flush with the shell; a thin gap runs round it.
    body().fillPath(shell, QColor(12, 12, 14));
    const QPainterPath insert =
        trapezoid(ShellTopHalf - 3.4, ShellBottomHalf - 3.4, ShellHalfHeight - 3.4, 2.6);
    const QRectF box = insert.boundingRect();
    body().fillPath(insert, litGradient(box, QColor(58, 58, 62), QColor(30, 30, 33)));
    body().strokePath(insert, QPen(QColor(92, 92, 98, 140), 0.5));
    const QPointF towards = lightDirection();
    for (int i = 0; i < 37; ++i) {
        const QPointF at = contact(i, rowGap, pitch);
        // A funnel-shaped entry with the socket contact glinting deep inside.
        body().fillPath(ellipse(at, 2.6, 2.6),
                        litGradient(QRectF(at.x() - 2.6, at.y() - 2.6, 5.2, 5.2),
                                    QColor(20, 20, 22), QColor(84, 84, 90)));
        body().fillPath(ellipse(at, 1.5, 1.5), QColor(6, 6, 6));
        body().fillPath(ellipse(at - towards * 0.5, 0.55, 0.55), QColor(196, 158, 70, 200));
    }
}

void TConnectorPainter::usbB(const QPointF& centre, double angle)
{
    place(centre, angle);
    const double hl = 31;
    const double hw = 21;
    const double bevel = 4.5;
    QPainterPath shell;
    shell.addPolygon(QPolygonF{QPointF(-hl, -hw + bevel), QPointF(-hl + bevel, -hw),
                               QPointF(hl - 1, -hw), QPointF(hl, -hw + 1), QPointF(hl, hw - 1),
                               QPointF(hl - 1, hw), QPointF(-hl + bevel, hw),
                               QPointF(-hl, hw - bevel)});
    shell.closeSubpath();
    // Through-hole legs and the two big retention tabs.
    for (const double y : {-hw - 2.5, hw + 2.5}) {
        roundPad(QPointF(10, y), 3.4);
    }
    for (const double y : {-6.0, -2.0, 2.0, 6.0}) {
        roundPad(QPointF(hl + 4, y), 1.4);
    }
    castShadow(shell, UsbHeight);
    const QRectF box(-hl, -hw, 2 * hl, 2 * hw);
    for (const double y : {-hw - 2.2, hw}) {
        body().fillRect(
            QRectF(7.5, y, 5, 2.2),
            litGradient(QRectF(7.5, y, 5, 2.2), QColor(220, 220, 216), QColor(130, 132, 130)));
    }
    body().fillPath(shell, QColor(92, 94, 96));
    QLinearGradient tin = litGradient(box, QColor(238, 239, 236), QColor(150, 152, 152));
    tin.setColorAt(0.6, QColor(196, 198, 198));
    QPainterPath plate;
    plate.addPolygon(QPolygonF{QPointF(-hl + 0.8, -hw + bevel), QPointF(-hl + bevel, -hw + 0.8),
                               QPointF(hl - 0.8, -hw + 0.8), QPointF(hl - 0.8, hw - 0.8),
                               QPointF(-hl + bevel, hw - 0.8), QPointF(-hl + 0.8, hw - bevel)});
    plate.closeSubpath();
    body().fillPath(plate, tin);
    // Folded front edge around the opening.
    body().fillRect(QRectF(-hl + 0.8, -hw + bevel, 2.4, 2 * hw - 2 * bevel), QColor(150, 152, 152));
    body().fillRect(QRectF(-hl + 3.2, -hw + 3, 0.6, 2 * hw - 6), QColor(250, 250, 248, 150));
    // Pressed panel on the top, lit like a recess.
    const QRectF panel(-10, -13, 34, 26);
    body().strokePath(rounded(panel, 2), QPen(QColor(110, 112, 112, 190), 0.8));
    body().strokePath(rounded(panel.translated(0.7, 0.7), 2),
                      QPen(QColor(255, 255, 255, 110), 0.5));
    // The spring latches near the opening: U-shaped cuts with a tongue.
    for (const double y : {-11.0, 11.0}) {
        const QRectF cut(-24, y - 2.6, 9, 5.2);
        body().fillPath(rounded(cut, 1.2), QColor(52, 54, 56));
        body().fillPath(rounded(cut.adjusted(0.8, 0.8, -2.2, -0.8), 0.8),
                        litGradient(cut, QColor(232, 232, 230), QColor(150, 150, 150)));
    }
    // Seam of the folded shell along the back.
    body().fillRect(QRectF(hl - 3.6, -hw + 1, 0.5, 2 * hw - 2), QColor(90, 92, 92, 170));
}

void TConnectorPainter::dcJack(const QPointF& centre, double angle)
{
    place(centre, angle);
    const double hl = 27;
    const QRectF barrel(-hl, -16, 20, 32);
    const QRectF block(-7, -18, hl + 7, 36);
    roundPad(QPointF(hl + 1, 0), 3.2);
    roundPad(QPointF(2, 20), 3.0);
    roundPad(QPointF(14, -20), 3.0);
    castShadow(rounded(barrel, 2).united(rounded(block, 1.5)), JackHeight);
    // Solder tabs folded out of the body.
    body().fillRect(
        QRectF(hl - 1, -3.5, 4, 7),
        litGradient(QRectF(hl - 1, -3.5, 4, 7), QColor(226, 226, 222), QColor(128, 130, 128)));
    body().fillRect(QRectF(-0.5, 17, 5, 3.6), QColor(190, 190, 186));
    body().fillRect(QRectF(11.5, -20.6, 5, 3.6), QColor(200, 200, 196));

    // The box-shaped rear part, flat on top.
    body().fillPath(rounded(block, 1.5), QColor(10, 10, 11));
    const QRectF top = block.adjusted(1.0, 1.0, -1.0, -1.0);
    body().fillPath(rounded(top, 1.0), litGradient(top, QColor(50, 50, 53), QColor(24, 24, 26)));
    body().strokePath(rounded(QRectF(4, -10, 17, 20), 1), QPen(QColor(64, 64, 68, 170), 0.6));
    body().strokePath(rounded(QRectF(4.6, -9.4, 17, 20), 1), QPen(QColor(6, 6, 8, 170), 0.5));

    // The round front lying on its side: shading runs across it like a cylinder.
    QLinearGradient cylinder(0, barrel.top(), 0, barrel.bottom());
    cylinder.setColorAt(0.0, QColor(8, 8, 9));
    cylinder.setColorAt(0.1, QColor(50, 50, 54));
    cylinder.setColorAt(0.22, QColor(158, 158, 166));
    cylinder.setColorAt(0.3, QColor(150, 150, 158));
    cylinder.setColorAt(0.44, QColor(70, 70, 76));
    cylinder.setColorAt(0.62, QColor(34, 34, 37));
    cylinder.setColorAt(0.86, QColor(48, 48, 52));
    cylinder.setColorAt(1.0, QColor(6, 6, 7));
    body().fillPath(rounded(barrel, 2), cylinder);
    // The rounded lip of the opening, then the ribs where the front ring is moulded.
    body().fillRect(QRectF(-hl + 0.4, barrel.top() + 1.5, 0.8, barrel.height() - 3),
                    QColor(170, 170, 178, 110));
    for (const double x : {-hl + 2.6, -9.0}) {
        body().fillRect(QRectF(x, barrel.top() + 0.6, 0.9, barrel.height() - 1.2),
                        QColor(0, 0, 0, 150));
        body().fillRect(QRectF(x + 0.9, barrel.top() + 0.6, 0.5, barrel.height() - 1.2),
                        QColor(140, 140, 146, 70));
    }
}
