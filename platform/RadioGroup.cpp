#include "platform/RadioGroup.h"

#include <QEvent>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace {
// Space between a column's left edge and its buttons.
constexpr int ButtonIndent = 8;
} // namespace

TRadioGroup::TRadioGroup(QWidget* Parent) : QGroupBox(Parent) {}

void TRadioGroup::SetCaption(const QString& Value)
{
    if (Value == title())
        return;
    setTitle(Value);
    // The caption decides where the button area starts.
    ArrangeButtons();
}

void TRadioGroup::SetItems(const QStringList& Value)
{
    if (Value == FItems)
        return;
    FItems = Value;
    if (FItemIndex >= FItems.size())
        FItemIndex = -1;
    RebuildButtons();
}

void TRadioGroup::SetColumns(int Value)
{
    if (Value == FColumns)
        return;
    FColumns = Value;
    ArrangeButtons();
    update();
}

void TRadioGroup::SetItemIndex(int Value)
{
    if (Value == FItemIndex || Value < -1 || Value >= FItems.size())
        return;
    FItemIndex = Value;
    UpdateButtons();
    // Last: a handler may set ItemIndex again, and its value must stand.
    if (FOnClick)
        FOnClick(this);
}

void TRadioGroup::resizeEvent(QResizeEvent* Event)
{
    QGroupBox::resizeEvent(Event);
    ArrangeButtons();
}

void TRadioGroup::changeEvent(QEvent* Event)
{
    QGroupBox::changeEvent(Event);
    if (Event->type() == QEvent::FontChange || Event->type() == QEvent::StyleChange)
        ArrangeButtons();
}

void TRadioGroup::RebuildButtons()
{
    // Buttons are replaced, not reused, so none keeps a check mark or focus of an old item.
    // A handler may get here from inside an old button's own notification, so the old
    // ones are only retired now and deleted once control is back in the event loop.
    for (QRadioButton* button : std::exchange(FButtons, {})) {
        button->disconnect(this);
        button->hide();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->deleteLater();
    }
    for (const QString& item : std::as_const(FItems)) {
        auto* button = new QRadioButton(item, this);
        FButtons.append(button);
        connect(button, &QAbstractButton::toggled, this, [this, button](bool Checked) {
            if (Checked && !FUpdating)
                ButtonChecked(button);
        });
        button->show();
    }
    UpdateButtons();
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons()
{
    if (FButtons.isEmpty())
        return;
    const QRect area = contentsRect();
    const int count = int(FButtons.size());
    const int columns = std::max(FColumns, 1);
    const int perColumn = (count + columns - 1) / columns;
    const int columnWidth = area.width() / columns;
    const int rowHeight = area.height() / perColumn;
    // Rows share the area evenly; what is left over is split above and below.
    const int top = area.top() + (area.height() - rowHeight * perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        const int column = i / perColumn;
        const int row = i % perColumn;
        FButtons[i]->setGeometry(area.left() + column * columnWidth + ButtonIndent,
                                 top + row * rowHeight, std::max(columnWidth - ButtonIndent, 0),
                                 rowHeight);
    }
}

void TRadioGroup::UpdateButtons()
{
    const bool wasUpdating = std::exchange(FUpdating, true);
    if (FItemIndex >= 0) {
        // The buttons are exclusive among themselves: checking one clears the rest.
        FButtons[FItemIndex]->setChecked(true);
    } else {
        for (QRadioButton* button : std::as_const(FButtons)) {
            if (!button->isChecked())
                continue;
            // An exclusive button refuses to be unchecked directly.
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    }
    FUpdating = wasUpdating;
}

void TRadioGroup::ButtonChecked(QRadioButton* Button)
{
    const int index = int(FButtons.indexOf(Button));
    if (index >= 0)
        SetItemIndex(index);
}
