#include "components/BoardImage.h"

#include "components/BoardHighlight.h"
#include "platform/AnchorKeeper.h"
#include "platform/Form.h"
#include "platform/MainMenu.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

TBoardImage::TBoardImage(QWidget* Parent) : QWidget(Parent)
{
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, Platform::ToQColor(Platform::clBtnFace, this));
    setPalette(face);
    resize(105, 105);
}

TBoardImage::~TBoardImage() = default;

TBoardHighlight* TBoardImage::First() const
{
    return FFirst;
}

void TBoardImage::SetFirst(TBoardHighlight* Value)
{
    FFirst = Value;
}

TMainMenu* TBoardImage::Menu() const
{
    return FMenu;
}

void TBoardImage::SetMenu(TMainMenu* Value)
{
    FMenu = Value;
}

Platform::TAnchors TBoardImage::Anchors() const
{
    return Platform::GetAnchors(this);
}

void TBoardImage::SetAnchors(Platform::TAnchors Value)
{
    Platform::SetAnchors(this, Value);
}

void TBoardImage::SetScale(bool Value)
{
    if (FScale == Value)
        return;
    FScale = Value;
    PictureChanged(this);
}

void TBoardImage::SetCenter(bool Value)
{
    if (FCenter == Value)
        return;
    FCenter = Value;
    PictureChanged(this);
}

void TBoardImage::SetStretch(bool Value)
{
    if (FStretch == Value)
        return;
    FStretch = Value;
    PictureChanged(this);
}

void TBoardImage::SetTransparent(bool Value)
{
    if (FTransparent == Value)
        return;
    FTransparent = Value;
    PictureChanged(this);
}

void TBoardImage::SetAutoSize(bool Value)
{
    if (FAutoSize == Value)
        return;
    FAutoSize = Value;
    if (!FAutoSize)
        return;
    int newWidth = width();
    int newHeight = height();
    if (CanAutoSize(newWidth, newHeight))
        resize(newWidth, newHeight);
}

void TBoardImage::SetPicture(const TPicture& Value)
{
    FPicture = Value;
    FScaled = QImage();
    PictureChanged(this);
}

QRect TBoardImage::DestRect(QSize Client, QSize PictureSize, bool Stretch, bool Center)
{
    if (Stretch)
        return QRect(QPoint(0, 0), Client);
    if (Center) {
        // Integer division truncating toward zero: a larger picture is clipped on both sides.
        return QRect((Client.width() - PictureSize.width()) / 2,
                     (Client.height() - PictureSize.height()) / 2, PictureSize.width(),
                     PictureSize.height());
    }
    return QRect(QPoint(0, 0), PictureSize);
}

QRect TBoardImage::DestRect() const
{
    return DestRect(size(), QSize(FPicture.Width(), FPicture.Height()), FStretch, FCenter);
}

bool TBoardImage::CanAutoSize(int& NewWidth, int& NewHeight) const
{
    const bool empty = FPicture.Width() <= 0 || FPicture.Height() <= 0;
    if (FDesigning && empty)
        return true;
    if (FAlign == Platform::alNone || FAlign == Platform::alLeft || FAlign == Platform::alRight)
        NewWidth = FPicture.Width();
    if (FAlign == Platform::alNone || FAlign == Platform::alTop || FAlign == Platform::alBottom)
        NewHeight = FPicture.Height();
    return true;
}

void TBoardImage::PictureChanged(QObject* /*Sender*/)
{
    const int pictureWidth = FPicture.Width();
    const int pictureHeight = FPicture.Height();
    if (pictureWidth > 0 && pictureHeight > 0) {
        FAspectRatio = double(pictureHeight) / double(pictureWidth);
        if (!std::isfinite(FAspectRatio))
            FAspectRatio = 1.0;
        if (FAutoSize)
            setGeometry(x(), y(), pictureWidth, pictureHeight);
    }
    bool opaque = false;
    if (FPicture.HasGraphic()) {
        FPicture.SetTransparent(FTransparent);
        opaque = !FPicture.Transparent() &&
                 (FStretch || (pictureWidth >= width() && pictureHeight >= height()));
    }
    // An opaque panel paints all of itself, so nothing need be erased beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    setAutoFillBackground(!opaque);
    if (!FDrawing)
        update();
}

QSize TBoardImage::ParentOuterSize() const
{
    const QWidget* parent = parentWidget();
    if (!parent)
        return {};
    if (auto* form = qobject_cast<const TForm*>(parent->parentWidget());
        form && form->Client() == parent)
        return {form->Width(), form->Height()};
    return parent->size();
}

void TBoardImage::SaveDesignPosition()
{
    if (FDesignPosSaved)
        return;
    FDesignLeft = x();
    FDesignTop = y();
    FDesignPosSaved = true;
}

QPoint TBoardImage::CenteredPosition() const
{
    const QSize outer = ParentOuterSize();
    if (outer.isEmpty())
        return pos();
    // Integer division truncating toward zero: a small parent gives negative offsets.
    return {(outer.width() - width()) / 2, (outer.height() - height()) / 2};
}

void TBoardImage::CenterInParent()
{
    move(CenteredPosition());
}

const QImage& TBoardImage::ScaledPicture(QSize Size)
{
    const QImage& original = FPicture.Image();
    if (Size == original.size())
        return original;
    // Drawn 1:1 from a cached copy: the circles capture exactly what is on screen.
    if (FScaled.size() != Size)
        FScaled = original.scaled(Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return FScaled;
}

void TBoardImage::DrawPicture(QPainter& Painter)
{
    if (!FPicture.HasGraphic())
        return;
    const QRect dest = DestRect();
    if (dest.isEmpty())
        return;
    Painter.drawImage(dest.topLeft(), ScaledPicture(dest.size()));
}

void TBoardImage::paintEvent(QPaintEvent* /*Event*/)
{
    SaveDesignPosition();
    // Moving a widget while it paints loses the repaint of the area it moves to, so the
    // centring lands right after this paint.
    if (FCenterOnForm && !FDesigning && pos() != CenteredPosition())
        QMetaObject::invokeMethod(this, &TBoardImage::CenterInParent, Qt::QueuedConnection);
    QPainter painter(this);
    if (FDesigning) {
        if (FScale)
            resize(width(), int(std::nearbyint(width() * FAspectRatio)));
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
    const bool wasDrawing = FDrawing;
    FDrawing = true;
    try {
        DrawPicture(painter);
    } catch (...) {
        FDrawing = wasDrawing;
        throw;
    }
    FDrawing = wasDrawing;
}

void TBoardImage::mouseReleaseEvent(QMouseEvent* Event)
{
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()) &&
        OnClick)
        OnClick(this);
    QWidget::mouseReleaseEvent(Event);
}

void TBoardImage::mouseDoubleClickEvent(QMouseEvent* Event)
{
    if (Event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
    QWidget::mouseDoubleClickEvent(Event);
}

void TBoardImage::WMStartTour(TMessage& Message)
{
    TBoardHighlight* first = FFirst;
    if (!first)
        return;
    first->CMMouseEnter(Message);
    first->Click();
    first->CMMouseLeave(Message);
}

void TBoardImage::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_STARTTOUR)
        WMStartTour(Message);
}
