#pragma once

#include "platform/Types.h"

#include <QRadioButton>

// An option button that is exclusive with the other TRadioButtons of its parent. Becoming
// checked, by the user or through Checked, clears those and raises OnClick; nothing else
// raises it.
class TRadioButton : public QRadioButton
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(TNotifyEvent OnClick READ OnClick WRITE SetOnClick)

public:
    explicit TRadioButton(QWidget* Parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& Value);
    bool Checked() const { return isChecked(); }
    void SetChecked(bool Value);
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(const TNotifyEvent& Value) { FOnClick = Value; }

protected:
    // A user's click: checks an unchecked button, leaves a checked one alone.
    void nextCheckState() override;

private:
    TNotifyEvent FOnClick;
};
