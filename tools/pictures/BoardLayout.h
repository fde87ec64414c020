#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSize>

// Where things sit on the photograph, in photo pixels. The features under the program's
// highlight circles are centred on the circles' rectangles mapped back from the panel,
// which shows the photograph stretched to 600 x 642.
class TBoardLayout
{
public:
    static constexpr QSize PhotoSize{561, 600};
    static constexpr QSize PanelSize{600, 642};
    static constexpr QRectF Board{27, 5, 526, 590};

    static QRectF fromPanel(const QRectF& panelRect);

    static QRectF mainConnTop() { return fromPanel({104, 0, 425, 127}); }
    static QRectF mainConnBottom() { return fromPanel({104, 514, 424, 127}); }
    static QRectF led() { return fromPanel({6, 156, 97, 29}); }
    static QRectF subUsb() { return fromPanel({36, 188, 55, 29}); }
    static QRectF usb() { return fromPanel({0, 252, 110, 72}); }
    static QRectF dcIn() { return fromPanel({9, 450, 93, 62}); }
    static QRectF ttlRight() { return fromPanel({365, 155, 71, 41}); }
    static QRectF ttlLeft() { return fromPanel({233, 156, 71, 41}); }
    static QRectF analogRange() { return fromPanel({529, 288, 69, 59}); }

    // The rectangles above, which nothing else may clutter.
    static QList<QRectF> featureRects();
    static bool clearOfFeatures(const QRectF& area);
};
