#include "platform/HiddenWindow.h"

#include <QTimerEvent>

namespace {

int StartSystemTimer(QObject* Window, int Interval)
{
    return Window->startTimer(Interval);
}

} // namespace

THiddenWindow::THiddenWindow(TWndProc WndProc, QObject* Parent)
    : QObject(Parent), FWndProc(std::move(WndProc)), FTimerStarter(StartSystemTimer)
{
}

THiddenWindow::~THiddenWindow()
{
    // Whatever was running ends with the window.
    for (const int systemId : std::as_const(FTimers))
        killTimer(systemId);
}

bool THiddenWindow::SetTimer(unsigned Id, int Interval)
{
    KillTimer(Id);
    const int systemId = FTimerStarter(this, Interval);
    if (systemId == 0)
        return false;
    FTimers.insert(Id, systemId);
    return true;
}

bool THiddenWindow::KillTimer(unsigned Id)
{
    const auto timer = FTimers.constFind(Id);
    if (timer == FTimers.constEnd())
        return false;
    killTimer(*timer);
    FTimers.erase(timer);
    return true;
}

std::intptr_t THiddenWindow::DefWindowProc(const TMessage& /*Message*/)
{
    return 0;
}

void THiddenWindow::SetTimerStarter(TTimerStarter Starter)
{
    FTimerStarter = Starter ? std::move(Starter) : TTimerStarter(StartSystemTimer);
}

void THiddenWindow::Dispatch(TMessage& Message)
{
    if (FWndProc)
        FWndProc(Message);
    else
        Message.Result = DefWindowProc(Message);
}

void THiddenWindow::timerEvent(QTimerEvent* Event)
{
    const unsigned id = FTimers.key(Event->timerId(), 0);
    if (id == 0)
        return;
    Perform(WM_TIMER, std::intptr_t(id), 0);
}
