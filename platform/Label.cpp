#include "platform/Label.h"

#include <QEvent>

TLabel::TLabel(QWidget* Parent) : QLabel(Parent)
{
    // Captions are plain text, never guessed to be markup.
    setTextFormat(Qt::PlainText);
    // The parent's background shows through.
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AdjustBounds();
}

void TLabel::SetCaption(const QString& Value)
{
    if (Value == text())
        return;
    setText(Value);
    AdjustBounds();
}

void TLabel::SetAlignment(Platform::TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (Value == Platform::taRightJustify)
        horizontal = Qt::AlignRight;
    else if (Value == Platform::taCenter)
        horizontal = Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignTop);
}

void TLabel::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustBounds();
}

void TLabel::changeEvent(QEvent* Event)
{
    QLabel::changeEvent(Event);
    if (Event->type() == QEvent::FontChange)
        AdjustBounds();
}

void TLabel::AdjustBounds()
{
    if (FAutoSize)
        resize(sizeHint());
}
