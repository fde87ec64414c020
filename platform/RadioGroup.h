#pragma once

#include "platform/Types.h"

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QRadioButton;

// A captioned box of mutually exclusive options, laid out in Columns columns under the
// caption and filled top to bottom, column after column. OnClick reports a change of the
// selection only, whether made by the user or through ItemIndex.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(TNotifyEvent OnClick READ OnClick WRITE SetOnClick)

public:
    explicit TRadioGroup(QWidget* Parent = nullptr);

    QString Caption() const { return title(); }
    void SetCaption(const QString& Value);
    QStringList Items() const { return FItems; }
    // Replaces the buttons; a selection beyond the new items is dropped without an event.
    void SetItems(const QStringList& Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    // -1 is no selection. A value outside -1 .. Items().size() - 1 is ignored.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(const TNotifyEvent& Value) { FOnClick = Value; }

    // One button per item, in item order.
    QList<QRadioButton*> Buttons() const { return FButtons; }

protected:
    void resizeEvent(QResizeEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    void RebuildButtons();
    void ArrangeButtons();
    void UpdateButtons();
    void ButtonChecked(QRadioButton* Button);

    QStringList FItems;
    QList<QRadioButton*> FButtons;
    int FColumns = 1;
    int FItemIndex = -1;
    TNotifyEvent FOnClick;
    // Set while the buttons are made to show FItemIndex, so their changes are not taken
    // for the user's.
    bool FUpdating = false;
};
