#include "tools/pictures/BoardLayout.h"

#include <algorithm>

QRectF TBoardLayout::fromPanel(const QRectF& panelRect)
{
    const double sx = double(PhotoSize.width()) / PanelSize.width();
    const double sy = double(PhotoSize.height()) / PanelSize.height();
    return {panelRect.x() * sx, panelRect.y() * sy, panelRect.width() * sx,
            panelRect.height() * sy};
}

QList<QRectF> TBoardLayout::featureRects()
{
    return {mainConnTop(), mainConnBottom(), led(),     subUsb(),     usb(),
            dcIn(),        ttlRight(),       ttlLeft(), analogRange()};
}

bool TBoardLayout::clearOfFeatures(const QRectF& area)
{
    const QList<QRectF> rects = featureRects();
    return std::none_of(rects.begin(), rects.end(),
                        [&area](const QRectF& r) { return r.intersects(area); });
}
