#pragma once

#include "platform/Types.h"

#include <QLabel>

// A text label on its parent's background. With AutoSize it takes the size of its text;
// without, it keeps the size it was given and aligns the text at the top.
class TLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Platform::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)

public:
    explicit TLabel(QWidget* Parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& Value);
    Platform::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(Platform::TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

protected:
    void changeEvent(QEvent* Event) override;

private:
    void AdjustBounds();

    Platform::TAlignment FAlignment = Platform::taLeftJustify;
    bool FAutoSize = true;
};
