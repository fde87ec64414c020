#include "platform/RadioButton.h"

TRadioButton::TRadioButton(QWidget* Parent) : QRadioButton(Parent)
{
    // Exclusivity is kept by SetChecked, so that it clears exactly the TRadioButton
    // siblings and raises OnClick in a known order.
    setAutoExclusive(false);
}

void TRadioButton::SetCaption(const QString& Value)
{
    if (Value == text())
        return;
    setText(Value);
}

void TRadioButton::SetChecked(bool Value)
{
    if (Value == isChecked())
        return;
    setChecked(Value);
    if (!Value)
        return;
    if (QWidget* parent = parentWidget()) {
        const auto siblings = parent->findChildren<TRadioButton*>(Qt::FindDirectChildrenOnly);
        for (TRadioButton* sibling : siblings) {
            if (sibling != this)
                sibling->SetChecked(false);
        }
    }
    if (FOnClick)
        FOnClick(this);
}

void TRadioButton::nextCheckState()
{
    if (!isChecked())
        SetChecked(true);
}
