#pragma once

#include "platform/Picture.h"

#include <QWidget>

// A picture control: draws its picture at the top-left corner.
class TImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TPicture Picture READ Picture WRITE SetPicture)

public:
    explicit TImage(QWidget* Parent = nullptr);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    const TPicture& Picture() const { return FPicture; }
    void SetPicture(const TPicture& Value);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    void AdjustSize();

    TPicture FPicture;
    bool FAutoSize = false;
};
