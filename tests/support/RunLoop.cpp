#include "support/RunLoop.h"

#include <QEventLoop>
#include <QTimer>

bool RunLoopUntil(const std::function<bool()>& Done, int Timeout)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&loop, &Done] {
        if (Done())
            loop.quit();
    });
    check.start(10);
    QTimer::singleShot(Timeout, &loop, &QEventLoop::quit);
    loop.exec();
    return Done();
}
