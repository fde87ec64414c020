#include "components/ThreeJumper.h"

#include "components/RadioPanel.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

// Round to the nearest integer, an exact half to the even neighbour.
int Nearest(double Value)
{
    return int(std::nearbyint(Value));
}

} // namespace

TThreeJumper::TThreeJumper(QWidget* Parent) : QWidget(Parent), FComposeCanvas(&FComposeBitmap, this)
{
    // Every pixel comes from the output bitmap; nothing needs to be erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(43, 18);
}

TThreeJumper::TJumperGeometry TThreeJumper::Geometry(int W, int H)
{
    TJumperGeometry geometry;
    geometry.a = Nearest((W - 2) / 4.5);
    geometry.p1 = geometry.a + 1;
    geometry.p2 = W / 2;
    geometry.p3 = W - geometry.p1;
    geometry.cy = H / 2;
    geometry.r = std::min(geometry.a / 3, Nearest((H - 2) / 4.0));
    geometry.g = geometry.p2 - geometry.p1 + 2;
    return geometry;
}

TThreeJumper::TJumperState TThreeJumper::NextState(TJumperState State, bool AllowOpen)
{
    switch (State) {
    case jsOpen:
        return jsLeft;
    case jsLeft:
        return jsRight;
    case jsRight:
        return AllowOpen ? jsOpen : jsLeft;
    }
    return jsLeft;
}

void TThreeJumper::SetJumperState(TJumperState Value)
{
    if (Value == FJumperState || (Value == jsOpen && !FAllowOpen))
        return;
    FJumperState = Value;
    update();
}

void TThreeJumper::SetBaseColor(Platform::TColor Value)
{
    if (Value == FBaseColor)
        return;
    FBaseColor = Value;
    update();
}

void TThreeJumper::SetPinColor(Platform::TColor Value)
{
    if (Value == FPinColor)
        return;
    FPinColor = Value;
    update();
}

void TThreeJumper::SetJumperColor(Platform::TColor Value)
{
    if (Value == FJumperColor)
        return;
    FJumperColor = Value;
    update();
}

void TThreeJumper::SetOrientation(TOrientationType Value)
{
    if (Value == FOrientation)
        return;
    // Each crossing between the horizontal and the vertical pair flips the pending
    // exchange, so that crossing back before a paint cancels it instead of leaving an
    // upright picture squeezed into an exchanged size.
    if (IsVertical(Value) != IsVertical(FOrientation))
        FSizeSwapPending = !FSizeSwapPending;
    FOrientation = Value;
    update();
}

void TThreeJumper::SetBorderStyle(Platform::TBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    update();
}

void TThreeJumper::SetAllowOpen(bool Value)
{
    if (Value == FAllowOpen)
        return;
    FAllowOpen = Value;
    if (!Value && FJumperState == jsOpen)
        SetJumperState(jsLeft);
    update();
}

bool TThreeJumper::IsVertical(TOrientationType Orientation)
{
    return Orientation == otLeft || Orientation == otRight;
}

Platform::TColor TThreeJumper::BackgroundColor() const
{
    // Only a parent of exactly the panel class lends its colour; a class derived from it
    // does not.
    const auto* panel = qobject_cast<const TRadioPanel*>(parentWidget());
    if (panel && QLatin1String(panel->metaObject()->className())
                         .compare(QLatin1String("TRadioPanel"), Qt::CaseInsensitive) == 0)
        return panel->Color();
    return Platform::clBtnFace;
}

void TThreeJumper::paintEvent(QPaintEvent*)
{
    const bool vertical = IsVertical(FOrientation);
    const int W = vertical ? height() : width();
    const int H = vertical ? width() : height();
    // Reused from paint to paint; only a new size needs new pixels.
    if (FComposeBitmap.size() != QSize(W, H))
        FComposeBitmap = QImage(W, H, QImage::Format_RGB32);
    Compose(W, H);
    Turn(W, H);

    // A stored vertical orientation is taken as matching the stored size, so the exchange
    // waits for a change made after the first paint.
    bool exchange = false;
    if (FSizeSwapPending) {
        FSizeSwapPending = false;
        exchange = FPaintedOnce;
    }
    QSize target = size();
    if (exchange)
        target.transpose();

    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), FOutputBitmap,
                          QRect(QPoint(0, 0), target).intersected(FOutputBitmap.rect()));
    }
    // Resized once the painter is done with this paint; the resize brings the repaint at
    // the new size.
    if (exchange)
        resize(target);
    FPaintedOnce = true;
}

void TThreeJumper::Compose(int W, int H)
{
    if (FComposeBitmap.isNull())
        return;
    const TCanvas::TPen savedPen = FComposeCanvas.Pen();
    const TCanvas::TBrush savedBrush = FComposeCanvas.Brush();

    const Platform::TColor background = BackgroundColor();
    FComposeCanvas.SetPen({background, TCanvas::psSolid});
    FComposeCanvas.SetBrush({background, TCanvas::bsSolid});
    FComposeCanvas.Rectangle(0, 0, W, H);

    const TJumperGeometry geometry = Geometry(W, H);

    FComposeCanvas.SetBrush({FBaseColor, TCanvas::bsSolid});
    FComposeCanvas.SetPen(
        {FBorderStyle == Platform::bsSingle ? Platform::clBlack : FBaseColor, TCanvas::psSolid});
    FComposeCanvas.RoundRect(1, 1, W - 1, H - 1, H / 2, H / 2);

    FComposeCanvas.SetPen({Platform::clBlack, TCanvas::psSolid});
    FComposeCanvas.SetBrush({FJumperColor, TCanvas::bsSolid});
    if (FJumperState == jsLeft)
        FComposeCanvas.Rectangle(0, 0, geometry.p2 + geometry.g / 2, H);
    else if (FJumperState == jsRight)
        FComposeCanvas.Rectangle(geometry.p2 - geometry.g / 2, 0, W, H);

    // Pins go last: they lie on top of the shunt.
    FComposeCanvas.SetPen({Platform::clBlack, TCanvas::psClear});
    FComposeCanvas.SetBrush({FPinColor, TCanvas::bsSolid});
    for (const int p : {geometry.p1, geometry.p2, geometry.p3})
        FComposeCanvas.Ellipse(p - geometry.r, geometry.cy - geometry.r, p + geometry.r,
                               geometry.cy + geometry.r);

    FComposeCanvas.SetPen(savedPen);
    FComposeCanvas.SetBrush(savedBrush);
}

void TThreeJumper::Turn(int W, int H)
{
    const QSize outputSize = IsVertical(FOrientation) ? QSize(H, W) : QSize(W, H);
    if (FOutputBitmap.size() != outputSize)
        FOutputBitmap = QImage(outputSize, QImage::Format_RGB32);
    if (FComposeBitmap.isNull())
        return;

    if (FOrientation == otUp) {
        // Same size and format, so the rows line up byte for byte.
        std::memcpy(FOutputBitmap.bits(), FComposeBitmap.constBits(),
                    std::size_t(FComposeBitmap.sizeInBytes()));
        return;
    }
    for (int y = 0; y < H; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(FComposeBitmap.constScanLine(y));
        for (int x = 0; x < W; ++x) {
            switch (FOrientation) {
            case otDown:
                reinterpret_cast<QRgb*>(FOutputBitmap.scanLine(H - 1 - y))[W - 1 - x] = source[x];
                break;
            case otLeft:
                reinterpret_cast<QRgb*>(FOutputBitmap.scanLine(W - 1 - x))[y] = source[x];
                break;
            case otRight:
                reinterpret_cast<QRgb*>(FOutputBitmap.scanLine(x))[H - 1 - y] = source[x];
                break;
            case otUp:
                break;
            }
        }
    }
}

void TThreeJumper::mousePressEvent(QMouseEvent* Event)
{
    if (Event->button() == Qt::LeftButton)
        FPressed = true;
}

void TThreeJumper::mouseReleaseEvent(QMouseEvent* Event)
{
    if (Event->button() != Qt::LeftButton)
        return;
    if (std::exchange(FPressed, false) && rect().contains(Event->position().toPoint()))
        Click();
}

void TThreeJumper::mouseDoubleClickEvent(QMouseEvent* Event)
{
    // The second press of a double-click is no click, and neither is its release.
    if (Event->button() == Qt::LeftButton)
        FPressed = false;
}

void TThreeJumper::Click()
{
    SetJumperState(NextState(FJumperState, FAllowOpen));
    if (FOnClick)
        FOnClick(this);
}
