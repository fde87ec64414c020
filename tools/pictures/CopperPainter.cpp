#include "tools/pictures/CopperPainter.h"

#include "tools/pictures/BoardLayout.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {

// Mask over bare laminate is dark; over copper it is lighter and yellower.
const QColor Laminate(14, 60, 34);
const QColor Copper(36, 100, 56);
constexpr double PourInset = 3.5;
constexpr double Clearance = 1.3;

QPolygonF line(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

} // namespace

TCopperPainter::TCopperPainter(QRandomGenerator& random) : FRandom(random) {}

QPainterPath TCopperPainter::boardPath()
{
    QPainterPath path;
    path.addRoundedRect(TBoardLayout::Board, 4, 4);
    return path;
}

QPainterPath TCopperPainter::pourPath()
{
    const QRectF pour = TBoardLayout::Board.adjusted(PourInset, PourInset, -PourInset, -PourInset);
    QPainterPath path;
    path.addRoundedRect(pour, 2, 2);
    return path;
}

// Traces stay out of the features' rectangles so nothing clutters what the circles show.
QPainterPath TCopperPainter::traceArea()
{
    QPainterPath area = pourPath();
    for (const QRectF& r : TBoardLayout::featureRects()) {
        QPainterPath hole;
        hole.addRect(r.adjusted(-1, -1, 1, 1));
        area = area.subtracted(hole);
    }
    return area;
}

void TCopperPainter::paint(QPainter& p)
{
    p.save();
    paintPour(p);
    paintTraces(p);
    paintVias(p);
    paintMaskTexture(p);
    paintDust(p);
    p.restore();
}

void TCopperPainter::paintPour(QPainter& p)
{
    p.fillPath(boardPath(), Laminate);
    p.fillPath(pourPath(), Copper);
    // The analog section has a ground of its own, split from the digital pour.
    const QPolygonF split =
        line({{553, 214}, {410, 214}, {410, 300}, {425, 315}, {425, 472}, {553, 472}});
    p.setPen(QPen(Laminate, 1.8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolyline(split);
}

QPolygonF TCopperPainter::offsetLine(const QPolygonF& centre, double offset)
{
    // Each vertex moves along the bisector of its two segment normals, so the copies
    // stay parallel through the bends.
    QPolygonF out;
    const qsizetype n = centre.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF in = i > 0 ? centre[i] - centre[i - 1] : centre[i + 1] - centre[i];
        const QPointF outDir = i + 1 < n ? centre[i + 1] - centre[i] : centre[i] - centre[i - 1];
        const QPointF n1 = QPointF(-in.y(), in.x()) / std::hypot(in.x(), in.y());
        const QPointF n2 = QPointF(-outDir.y(), outDir.x()) / std::hypot(outDir.x(), outDir.y());
        QPointF miter = n1 + n2;
        miter /= std::hypot(miter.x(), miter.y());
        const double scale = offset / QPointF::dotProduct(miter, n1);
        out << centre[i] + miter * scale;
    }
    return out;
}

QList<TCopperPainter::TBus> TCopperPainter::buses()
{
    return {
        // Connector pull-ups down to the two bus buffers.
        {line({{128, 138}, {128, 176}, {154, 202}, {222, 202}}), 6, 4.2, 1.3},
        {line({{300, 138}, {300, 186}, {316, 202}, {350, 202}}), 5, 4.2, 1.3},
        {line({{432, 138}, {432, 178}, {418, 192}, {418, 205}}), 4, 4.2, 1.3},
        // Buffers into the controller.
        {line({{240, 240}, {240, 262}, {268, 290}}), 5, 4.0, 1.2},
        {line({{380, 240}, {380, 258}, {348, 290}}), 5, 4.0, 1.2},
        // USB interface to the controller and to the socket.
        {line({{186, 280}, {210, 280}, {232, 302}, {262, 302}}), 4, 4.0, 1.2},
        {line({{108, 262}, {146, 262}}), 2, 3.4, 1.6},
        // Controller to the ADC and the ADC to the amplifiers.
        {line({{336, 318}, {380, 318}, {408, 290}, {408, 262}, {430, 252}}), 4, 4.0, 1.2},
        {line({{440, 250}, {440, 300}, {450, 310}, {450, 360}}), 3, 4.4, 1.2},
        {line({{466, 388}, {466, 402}}), 2, 4.4, 1.2},
        // Amplifier outputs and digital lines down to the lower connector.
        {line({{440, 436}, {440, 456}}), 3, 4.4, 1.4},
        {line({{290, 368}, {290, 410}, {312, 432}, {312, 456}}), 6, 4.2, 1.2},
        {line({{350, 372}, {350, 400}, {356, 406}}), 3, 4.2, 1.2},
        // Supply: the jack, the regulators and the controller's rails.
        {line({{104, 450}, {124, 450}}), 1, 0, 3.4},
        {line({{156, 426}, {156, 410}, {190, 410}, {190, 426}}), 1, 0, 2.6},
        {line({{210, 440}, {232, 440}}), 1, 0, 2.6},
        {line({{196, 456}, {196, 470}, {262, 470}, {262, 380}, {268, 374}}), 1, 0, 2.2},
        {line({{74, 320}, {108, 320}, {130, 342}, {130, 382}}), 1, 0, 2.6},
        {line({{240, 372}, {240, 396}, {262, 396}}), 3, 3.6, 1.1},
        // Crystal to the controller.
        {line({{226, 322}, {248, 322}, {260, 310}, {266, 310}}), 2, 3.6, 1.0},
        // LED and the small header.
        {line({{92, 190}, {108, 190}, {120, 202}, {120, 232}}), 3, 3.6, 1.1},
        {line({{100, 160}, {110, 160}, {120, 150}, {204, 150}}), 1, 0, 1.1},
    };
}

void TCopperPainter::paintTraces(QPainter& p)
{
    p.save();
    p.setClipPath(traceArea());
    for (const TBus& bus : buses()) {
        for (int i = 0; i < bus.count; ++i) {
            const double offset = (i - (bus.count - 1) / 2.0) * bus.pitch;
            const QPolygonF trace =
                offset == 0 ? bus.centreLine : offsetLine(bus.centreLine, offset);
            p.setPen(QPen(Laminate, bus.width + 2 * Clearance, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
            p.drawPolyline(trace);
            FViaSpots << trace.first() << trace.last();
        }
    }
    for (const TBus& bus : buses()) {
        for (int i = 0; i < bus.count; ++i) {
            const double offset = (i - (bus.count - 1) / 2.0) * bus.pitch;
            const QPolygonF trace =
                offset == 0 ? bus.centreLine : offsetLine(bus.centreLine, offset);
            // The mask rises over each trace; its upper-left flank catches the lamp.
            p.setPen(
                QPen(Copper.lighter(128), bus.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(trace.translated(-0.35, -0.45));
            p.setPen(
                QPen(Copper.lighter(104), bus.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(trace.translated(0.1, 0.12));
        }
    }
    p.restore();
}

bool TCopperPainter::quiet(const QPointF& at, double margin) const
{
    const QRectF spot(at.x() - margin, at.y() - margin, 2 * margin, 2 * margin);
    if (!TBoardLayout::clearOfFeatures(spot)) {
        return true;
    }
    return std::any_of(FQuiet.begin(), FQuiet.end(),
                       [&spot](const QRectF& r) { return r.intersects(spot); });
}

void TCopperPainter::via(QPainter& p, const QPointF& at, double radius)
{
    QPainterPath clear;
    clear.addEllipse(at, radius + Clearance, radius + Clearance);
    p.fillPath(clear, Laminate);
    QPainterPath ring;
    ring.addEllipse(at, radius, radius);
    p.fillPath(ring, Copper.lighter(112));
    QPainterPath hole;
    hole.addEllipse(at, radius * 0.45, radius * 0.45);
    p.fillPath(hole, QColor(10, 40, 20));
}

void TCopperPainter::paintVias(QPainter& p)
{
    p.save();
    p.setClipPath(traceArea());
    for (const QPointF& at : std::as_const(FViaSpots)) {
        if (!quiet(at, 3)) {
            via(p, at, 1.9);
        }
    }
    // Stitching along the edges ties the pour together.
    const QRectF ring = TBoardLayout::Board.adjusted(8, 8, -8, -8);
    for (double x = ring.left(); x <= ring.right(); x += 13) {
        for (const double y : {ring.top(), ring.bottom()}) {
            if (!quiet(QPointF(x, y), 4)) {
                via(p, QPointF(x, y), 1.6);
            }
        }
    }
    for (double y = ring.top() + 13; y < ring.bottom(); y += 13) {
        for (const double x : {ring.left(), ring.right()}) {
            if (!quiet(QPointF(x, y), 4)) {
                via(p, QPointF(x, y), 1.6);
            }
        }
    }
    // Scattered return vias in the open areas.
    const QRectF inner = TBoardLayout::Board.adjusted(14, 14, -14, -14);
    int placed = 0;
    for (int attempt = 0; attempt < 4000 && placed < 90; ++attempt) {
        const QPointF at(inner.left() + FRandom.bounded(inner.width()),
                         inner.top() + FRandom.bounded(inner.height()));
        if (quiet(at, 6)) {
            continue;
        }
        via(p, at, 1.7);
        ++placed;
    }
    p.restore();
}

void TCopperPainter::paintMaskTexture(QPainter& p)
{
    // Low-frequency unevenness of the screened mask, then a fine grain.
    QImage coarse(48, 52, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < coarse.height(); ++y) {
        for (int x = 0; x < coarse.width(); ++x) {
            const int v = 108 + FRandom.bounded(40);
            coarse.setPixel(x, y, qRgba(v, v, v, 255));
        }
    }
    const QRectF board = TBoardLayout::Board;
    p.save();
    p.setClipPath(boardPath());
    p.setCompositionMode(QPainter::CompositionMode_Overlay);
    p.setOpacity(0.4);
    p.drawImage(board, coarse.scaled(board.size().toSize() * 2, Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation));
    const QSize fineSize = (board.size() * 1.5).toSize();
    QImage fine(fineSize, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < fine.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(fine.scanLine(y));
        for (int x = 0; x < fine.width(); ++x) {
            const int v = 118 + FRandom.bounded(20);
            row[x] = qRgba(v, v, v, 255);
        }
    }
    p.setOpacity(0.35);
    p.drawImage(board, fine);
    p.restore();
    // The mask rounds over the routed edge: a bright rim where it faces the lamp.
    QLinearGradient rim(board.topLeft(), board.bottomRight());
    rim.setColorAt(0, QColor(170, 220, 170, 150));
    rim.setColorAt(0.5, QColor(120, 170, 120, 60));
    rim.setColorAt(1, QColor(0, 20, 0, 150));
    p.strokePath(boardPath(), QPen(QBrush(rim), 0.9));
}

void TCopperPainter::paintDust(QPainter& p)
{
    // No bench is perfectly clean: a few specks and fibres settle on the mask.
    const QRectF inner = TBoardLayout::Board.adjusted(6, 6, -6, -6);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(inner.left() + FRandom.bounded(inner.width()),
                         inner.top() + FRandom.bounded(inner.height()));
        if (quiet(at, 4)) {
            continue;
        }
        const int grey = 190 + FRandom.bounded(60);
        const QColor speck(grey, grey, grey - 10, 70 + FRandom.bounded(90));
        if (FRandom.bounded(5) == 0) {
            const double angle = FRandom.bounded(3.14159);
            const double length = 3 + FRandom.bounded(6.0);
            QPainterPath fibre(at);
            fibre.quadTo(at + QPointF(std::cos(angle), std::sin(angle)) * length / 2 +
                             QPointF(FRandom.bounded(2.0) - 1, FRandom.bounded(2.0) - 1),
                         at + QPointF(std::cos(angle), std::sin(angle)) * length);
            p.strokePath(fibre, QPen(speck, 0.35));
        } else {
            const double r = 0.25 + FRandom.bounded(0.45);
            QPainterPath dot;
            dot.addEllipse(at, r, r);
            p.fillPath(dot, speck);
        }
    }
}
