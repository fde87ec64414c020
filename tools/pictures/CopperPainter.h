#pragma once

#include <QList>
#include <QPolygonF>
#include <QRectF>

class QPainter;
class QPainterPath;
class QPointF;
class QRandomGenerator;

// The bare board under its green solder mask: laminate, ground pour, the traces that
// show through the mask as faint ridges, vias, and the mask's uneven surface.
class TCopperPainter
{
public:
    explicit TCopperPainter(QRandomGenerator& random);

    // Areas the scattered vias keep away from, such as large silkscreen text.
    void setQuietAreas(const QList<QRectF>& areas) { FQuiet = areas; }
    // p paints in photo pixels.
    void paint(QPainter& p);

private:
    struct TBus
    {
        QPolygonF centreLine;
        int count;
        double pitch;
        double width;
    };

    static QList<TBus> buses();
    static QPainterPath boardPath();
    static QPainterPath pourPath();
    static QPainterPath traceArea();
    static QPolygonF offsetLine(const QPolygonF& line, double offset);

    void paintPour(QPainter& p);
    void paintTraces(QPainter& p);
    void paintVias(QPainter& p);
    void paintMaskTexture(QPainter& p);
    void paintDust(QPainter& p);
    void via(QPainter& p, const QPointF& at, double radius);
    bool quiet(const QPointF& at, double margin) const;

    QRandomGenerator& FRandom;
    QList<QRectF> FQuiet;
    QList<QPointF> FViaSpots;
};
