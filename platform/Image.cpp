#include "platform/Image.h"

#include <QPainter>

TImage::TImage(QWidget* Parent) : QWidget(Parent)
{
    resize(105, 105);
}

void TImage::SetAutoSize(bool Value)
{
    if (FAutoSize == Value)
        return;
    FAutoSize = Value;
    AdjustSize();
}

void TImage::SetPicture(const TPicture& Value)
{
    FPicture = Value;
    AdjustSize();
    update();
}

void TImage::AdjustSize()
{
    if (FAutoSize && FPicture.HasGraphic())
        resize(FPicture.Width(), FPicture.Height());
}

void TImage::paintEvent(QPaintEvent* /*Event*/)
{
    if (!FPicture.HasGraphic())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, FPicture.Image());
}
