#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <functional>

// Calls a handler at the first moment the event loop runs empty after a watched object
// received a trigger event: the moment at which the program's own idle hook would run.
// An Expose counts only while its window is exposed.
class TFirstIdle : public QObject
{
    Q_OBJECT

public:
    TFirstIdle(QObject* Watched, QEvent::Type Trigger, std::function<void()> Done);
    ~TFirstIdle() override;

    // For a trigger that has already happened.
    void Arm() { FArmed = true; }
    bool Fired() const { return FFired; }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void AboutToBlock();

    QPointer<QObject> FWatched;
    QEvent::Type FTrigger;
    std::function<void()> FDone;
    bool FArmed = false;
    bool FFired = false;
};
