#pragma once

#include "tools/pictures/LayerPainter.h"

#include <QColor>

class QPointF;
class QSizeF;
class QString;

// Surface-mount and through-hole parts seen from above.
class TPartPainter : public TLayerPainter
{
public:
    enum TChipKind
    {
        ckResistor,
        ckCapacitor,
        ckFerrite
    };
    // Which pair of a three-pin header the shunt bridges.
    enum TShunt
    {
        shNone,
        shLeft,
        shRight
    };

    using TLayerPainter::TLayerPainter;

    void qfp(const QPointF& centre, double body, int pinsPerSide, const QString& marking);
    void soic(const QPointF& centre, int pins, const QSizeF& body, double angle,
              const QString& marking);
    void sot23(const QPointF& centre, double angle);
    void sot223(const QPointF& centre, double angle, const QString& marking);
    void chip(const QPointF& centre, TChipKind kind, const QSizeF& size, double angle);
    void resistorArray(const QPointF& centre, double angle);
    void diode(const QPointF& centre, double angle);
    void electrolytic(const QPointF& centre, double diameter, double angle);
    void crystal(const QPointF& centre, double angle);
    void led(const QPointF& centre, const QColor& colour);
    void pinHeader(const QPointF& centre, double pitch, TShunt shunt, double angle);
    void wireConnector(const QPointF& centre, int pins, double pitch);
    void tactSwitch(const QPointF& centre);
    void powerInductor(const QPointF& centre, double size, const QString& marking);
    // Footprint of a header that is not fitted: outline and open plated holes.
    void emptyHeader(const QPointF& centre, int columns, int rows, double pitch);
    void mountingHole(const QPointF& centre, double radius);
    void fiducial(const QPointF& centre);
    void testPoint(const QPointF& centre);

private:
    void epoxyBody(const QRectF& body, double radius);
    void gullWingLead(const QRectF& lead, Qt::Edge bodySide);
    void laserMarking(const QRectF& body, const QString& marking);
    void squarePin(const QPointF& at, double size);
    void shuntCap(const QRectF& cap);
};
