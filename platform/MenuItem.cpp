#include "platform/MenuItem.h"

#include <QAction>
#include <QMenu>

TMenuItem::TMenuItem(QObject* Owner) : QObject(Owner), FAction(new QAction(this))
{
    connect(FAction, &QAction::triggered, this, [this] {
        // Qt toggles a checkable action by itself; the check mark is ours to set.
        FAction->setChecked(FChecked);
        Click();
    });
}

TMenuItem::~TMenuItem()
{
    if (FParent)
        FParent->FItems.removeAll(this);
    for (TMenuItem* item : std::as_const(FItems))
        item->FParent = nullptr;
    delete FSubMenu;
}

void TMenuItem::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    FAction->setText(Value);
    if (FSubMenu)
        FSubMenu->setTitle(Value);
}

void TMenuItem::SetChecked(bool Value)
{
    if (FChecked == Value)
        return;
    FChecked = Value;
    // Unchecked items look like plain entries, without an empty check box.
    FAction->setCheckable(Value);
    FAction->setChecked(Value);
}

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    return int(FItems.indexOf(const_cast<TMenuItem*>(Item)));
}

QWidget* TMenuItem::Container()
{
    if (!FSubMenu) {
        FSubMenu = new QMenu(FCaption);
        FAction->setMenu(FSubMenu);
    }
    return FSubMenu;
}

void TMenuItem::Add(TMenuItem* Item)
{
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item || Item->FParent)
        return;
    Index = qBound(0, Index, Count());
    QAction* before = Index < Count() ? FItems[Index]->FAction : nullptr;
    FItems.insert(Index, Item);
    Item->FParent = this;
    Container()->insertAction(before, Item->FAction);
}

void TMenuItem::Remove(TMenuItem* Item)
{
    if (!Item || Item->FParent != this)
        return;
    FItems.removeAll(Item);
    Item->FParent = nullptr;
    Container()->removeAction(Item->FAction);
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}
