#include "platform/MainMenu.h"

#include <QMenuBar>

TMainMenu::TMainMenu(QObject* Owner) : TMenuItem(Owner), FBar(new QMenuBar)
{
    // The bar is shown by the form that takes this menu; it never floats on its own.
    FBar->hide();
}

TMainMenu::~TMainMenu()
{
    // Once a form has taken the bar, the form frees it.
    if (FBar && !FBar->parent())
        delete FBar;
}

QWidget* TMainMenu::Container()
{
    return FBar;
}
