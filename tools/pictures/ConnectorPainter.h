#pragma once

#include "tools/pictures/LayerPainter.h"

class QPointF;
class QRectF;

// The board's edge connectors seen from above: the two 37-pin D-subs (mounted upright,
// so their faces look up at the camera), the USB type B socket and the DC barrel jack.
class TConnectorPainter : public TLayerPainter
{
public:
    using TLayerPainter::TLayerPainter;

    // Wide side of the shell towards negative y before rotating by angle.
    void dsub37(const QPointF& centre, bool male, double angle);
    // Opening towards negative x before rotating by angle.
    void usbB(const QPointF& centre, double angle);
    void dcJack(const QPointF& centre, double angle);

private:
    void dsubFlange(const QRectF& flange);
    void hexStandoff(const QPointF& at, double acrossFlats);
    void malePins(double rowGap, double pitch);
    void femaleInsert(const QPainterPath& shell, double rowGap, double pitch);
};
