#pragma once

#include "platform/MenuItem.h"

#include <QMenuBar>
#include <QPointer>

// A form's menu bar: its top-level entries are the sub-items of this root item.
class TMainMenu : public TMenuItem
{
    Q_OBJECT

public:
    explicit TMainMenu(QObject* Owner = nullptr);
    ~TMainMenu() override;

    QMenuBar* Bar() const { return FBar; }

protected:
    QWidget* Container() override;

private:
    QPointer<QMenuBar> FBar;
};
