#include "components/RadioPanel.h"

#include "platform/AnchorKeeper.h"

#include <QPainter>

namespace {

// Width rings of a 3-D edge, lighter colour on top and left; Area shrinks by each ring.
void Frame3D(QPainter& Painter, QRect& Area, const QColor& TopLeft, const QColor& BottomRight,
             int Width)
{
    for (int ring = 0; ring < Width && Area.width() > 0 && Area.height() > 0; ++ring) {
        Painter.fillRect(Area.left(), Area.top(), Area.width(), 1, TopLeft);
        Painter.fillRect(Area.left(), Area.top(), 1, Area.height(), TopLeft);
        Painter.fillRect(Area.left(), Area.bottom(), Area.width(), 1, BottomRight);
        Painter.fillRect(Area.right(), Area.top(), 1, Area.height(), BottomRight);
        Area.adjust(1, 1, -1, -1);
    }
}

void Bevel(QPainter& Painter, QRect& Area, Platform::TBevelCut Cut, int Width,
           const QPalette& Palette, const QColor& Face)
{
    switch (Cut) {
    case Platform::bvNone:
        break;
    case Platform::bvRaised:
        Frame3D(Painter, Area, Palette.color(QPalette::Light), Palette.color(QPalette::Dark),
                Width);
        break;
    case Platform::bvLowered:
        Frame3D(Painter, Area, Palette.color(QPalette::Dark), Palette.color(QPalette::Light),
                Width);
        break;
    case Platform::bvSpace:
        Frame3D(Painter, Area, Face, Face, Width);
        break;
    }
}

} // namespace

TRadioPanel::TRadioPanel(QWidget* Parent) : QWidget(Parent)
{
    // Every pixel is painted here; nothing needs to be erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Anchors stay the default [akLeft, akTop] until hosted, whatever FinalAnchors says, so
    // resizing the main window neither moves nor stretches the panel.
    // The look of a plain panel, but without its raised outer bevel.
    FBevelOuter = Platform::bvNone;
    resize(194, 100);
    setVisible(false);
}

void TRadioPanel::SetFinalAnchors(Platform::TAnchors Value)
{
    if (Value == FFinalAnchors)
        return;
    if (FHosted)
        Platform::SetAnchors(this, Value);
    FFinalAnchors = Value;
}

void TRadioPanel::MarkHosted()
{
    FHosted = true;
    Platform::SetAnchors(this, FFinalAnchors);
}

void TRadioPanel::SetBevelInner(Platform::TBevelCut Value)
{
    if (Value == FBevelInner)
        return;
    FBevelInner = Value;
    update();
}

void TRadioPanel::SetBevelOuter(Platform::TBevelCut Value)
{
    if (Value == FBevelOuter)
        return;
    FBevelOuter = Value;
    update();
}

void TRadioPanel::SetBevelWidth(int Value)
{
    if (Value == FBevelWidth)
        return;
    FBevelWidth = Value;
    update();
}

void TRadioPanel::SetBorderWidth(int Value)
{
    if (Value == FBorderWidth)
        return;
    FBorderWidth = Value;
    update();
}

void TRadioPanel::SetColor(Platform::TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    update();
}

void TRadioPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor face = Platform::ToQColor(FColor, this);
    QRect area = rect();
    Bevel(painter, area, FBevelOuter, FBevelWidth, palette(), face);
    Frame3D(painter, area, face, face, FBorderWidth);
    Bevel(painter, area, FBevelInner, FBevelWidth, palette(), face);
    painter.fillRect(area, face);
}
