#pragma once

#include "platform/Types.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;

// One entry of a menu tree: caption with '&' accelerator, check mark, click event,
// sub-items. Backed by a QAction; a QMenu appears once it has sub-items.
class TMenuItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(TNotifyEvent OnClick READ GetOnClick WRITE SetOnClick)

public:
    // Owner frees the item (the menu's owner, or another item).
    explicit TMenuItem(QObject* Owner = nullptr);
    ~TMenuItem() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int Index) const { return FItems.value(Index); }
    int IndexOf(const TMenuItem* Item) const;
    TMenuItem* Parent() const { return FParent; }
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    void Remove(TMenuItem* Item);

    // Runs the click event, as a user's choice of the item does.
    void Click();

    QAction* Action() const { return FAction; }

    TNotifyEvent GetOnClick() const { return OnClick; }
    void SetOnClick(const TNotifyEvent& Value) { OnClick = Value; }
    TNotifyEvent OnClick;

protected:
    // The widget that shows the sub-items: a QMenu here, the menu bar for a main menu.
    virtual QWidget* Container();

private:
    QString FCaption;
    bool FChecked = false;
    QList<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    QAction* FAction = nullptr;
    QMenu* FSubMenu = nullptr;
};
