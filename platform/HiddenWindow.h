#pragma once

#include "platform/Message.h"

#include <QHash>
#include <QObject>

#include <functional>

class QTimerEvent;

// A window that is never shown and only receives messages: its timers arrive as WM_TIMER
// (WParam: the timer's id) at the window procedure given to it.
class THiddenWindow : public QObject, public TMessageTarget
{
    Q_OBJECT

public:
    using TWndProc = std::function<void(TMessage& Message)>;
    // Starts a periodic system timer on Window; 0 means none could be had.
    using TTimerStarter = std::function<int(QObject* Window, int Interval)>;

    explicit THiddenWindow(TWndProc WndProc, QObject* Parent = nullptr);
    ~THiddenWindow() override;

    // Starts (or restarts) timer Id; false when no timer was available.
    bool SetTimer(unsigned Id, int Interval);
    // Stops timer Id; false when it was not running.
    bool KillTimer(unsigned Id);
    bool TimerActive(unsigned Id) const { return FTimers.contains(Id); }

    // The default answer to every message that the window procedure does not handle.
    static std::intptr_t DefWindowProc(const TMessage& Message);

    // Replaces how timers are started, so a test can run out of them.
    void SetTimerStarter(TTimerStarter Starter);

    void Dispatch(TMessage& Message) override;

protected:
    void timerEvent(QTimerEvent* Event) override;

private:
    TWndProc FWndProc;
    TTimerStarter FTimerStarter;
    // Our timer ids and the system's for them.
    QHash<unsigned, int> FTimers;
};
