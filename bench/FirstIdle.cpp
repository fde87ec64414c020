#include "bench/FirstIdle.h"

#include <QAbstractEventDispatcher>
#include <QWindow>

TFirstIdle::TFirstIdle(QObject* Watched, QEvent::Type Trigger, std::function<void()> Done)
    : FWatched(Watched), FTrigger(Trigger), FDone(std::move(Done))
{
    if (FWatched)
        FWatched->installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TFirstIdle::AboutToBlock);
}

TFirstIdle::~TFirstIdle()
{
    if (FWatched)
        FWatched->removeEventFilter(this);
}

bool TFirstIdle::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == FWatched && Event->type() == FTrigger) {
        // The window's exposed state is already updated when its Expose is delivered.
        const auto* window = qobject_cast<QWindow*>(Watched);
        if (FTrigger != QEvent::Expose || (window && window->isExposed()))
            FArmed = true;
    }
    return QObject::eventFilter(Watched, Event);
}

void TFirstIdle::AboutToBlock()
{
    if (!FArmed || FFired)
        return;
    FFired = true;
    disconnect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
               &TFirstIdle::AboutToBlock);
    FDone();
}
