// Hover to popup: from a circle's mouse-enter notification to its popup window shown (the
// first idle moment after the window is exposed, so painted and flushed), the first time
// and again after the popup was closed. With --baseline, the same start-up followed by a
// plain tool window of the popup's size, shown and hidden the same way.
#include "app/MainForm.h"
#include "bench/FirstIdle.h"
#include "bench/Measure.h"
#include "components/BoardHighlight.h"
#include "components/PopupForm.h"
#include "components/SetupCtrls.h"
#include "components/SetupSupporter.h"
#include "platform/Application.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Reopenings = 15;

struct TShowTime
{
    double SyncUs = -1;  // until the call that shows the window returns
    double ShownUs = -1; // until the first idle moment after the window is exposed
};

// Runs the event loop (blocking in between, so the idle moments happen as in the program)
// until Condition holds; false after TimeoutMs.
bool WaitUntil(const std::function<bool()>& Condition, int TimeoutMs)
{
    if (Condition())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&loop, &Condition] {
        if (Condition())
            loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return Condition();
}

// Lets the window manager finish what a show or hide started.
void Settle(int Ms)
{
    QEventLoop loop;
    QTimer::singleShot(Ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Show must return the top-level widget it has shown.
TShowTime TimeShow(const std::function<QWidget*()>& Show)
{
    TShowTime time;
    const std::int64_t start = Measure::NowNs();
    QWidget* shown = Show();
    time.SyncUs = double(Measure::NowNs() - start) / 1000.0;
    if (!shown || !shown->windowHandle())
        return time;
    QEventLoop loop;
    TFirstIdle exposed(shown->windowHandle(), QEvent::Expose, [&] {
        time.ShownUs = double(Measure::NowNs() - start) / 1000.0;
        loop.quit();
    });
    if (shown->windowHandle()->isExposed())
        exposed.Arm();
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return time;
}

bool Hidden(const QWidget* Window)
{
    return !Window->isVisible() &&
           (!Window->windowHandle() || !Window->windowHandle()->isExposed());
}

struct TSeries
{
    TShowTime First;
    QList<double> ReopenSync;
    QList<double> ReopenShown;

    // A window that never came up (-1) leaves the series shorter rather than faster.
    void AddReopening(const TShowTime& Time)
    {
        if (Time.ShownUs < 0)
            return;
        ReopenSync.append(Time.SyncUs);
        ReopenShown.append(Time.ShownUs);
    }
};

// Opens the circle's popup through its enter notification, closes it through its leave
// notification with the pointer far away, and opens it again and again.
TSeries MeasureCircle(TBoardHighlight* Circle)
{
    TSeries series;
    const auto open = [Circle]() -> QWidget* {
        Circle->Perform(CM_MOUSEENTER, 0, 0);
        return Circle->Popup();
    };
    const auto close = [Circle] {
        Circle->Perform(CM_MOUSELEAVE, 0, 0);
        return Circle->Popup() && WaitUntil([Circle] { return Hidden(Circle->Popup()); }, 5000);
    };
    series.First = TimeShow(open);
    for (int i = 0; i < Reopenings && close(); ++i) {
        Settle(30);
        series.AddReopening(TimeShow(open));
    }
    close();
    Settle(30);
    return series;
}

TSeries MeasureBaseline(QWidget* Owner, const QRect& Geometry)
{
    TSeries series;
    QWidget window(Owner, Qt::Tool | Qt::WindowStaysOnTopHint);
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setGeometry(Geometry);
    const auto show = [&window]() -> QWidget* {
        window.show();
        window.raise();
        window.activateWindow();
        return &window;
    };
    series.First = TimeShow(show);
    for (int i = 0; i < Reopenings; ++i) {
        window.hide();
        if (!WaitUntil([&window] { return Hidden(&window); }, 5000))
            break;
        Settle(30);
        series.AddReopening(TimeShow(show));
    }
    return series;
}

void Print(const char* Name, const TSeries& Series)
{
    std::printf("%s_first_sync_us=%.0f %s_first_us=%.0f %s_reopen_sync_us=%.0f "
                "%s_reopen_us=%.0f ",
                Name, Series.First.SyncUs, Name, Series.First.ShownUs, Name,
                Measure::Median(Series.ReopenSync), Name, Measure::Median(Series.ReopenShown));
}

} // namespace

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    TSetupCtrls::Register();
    const bool baseline = QCoreApplication::arguments().contains(QStringLiteral("--baseline"));
    // The real pointer stays in a corner, away from every circle and popup.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCursor::setPos(screen.right(), screen.bottom());
    TMainForm mainForm;
    mainForm.ShowAsDesigned();
    // Start-up is over when the instructions window has come up by itself: put it away.
    TSetupSupporter* supporter = mainForm.SetSup;
    const bool started =
        supporter &&
        WaitUntil(
            [supporter] { return supporter->HelpForm() && supporter->HelpForm()->isVisible(); },
            10000);
    if (!started || !mainForm.TTLHighlight0) {
        std::fprintf(stderr, "the program did not start up\n");
        return 1;
    }
    supporter->HelpForm()->close();
    WaitUntil([supporter] { return Hidden(supporter->HelpForm()); }, 5000);
    Settle(300);

    std::printf("platform=%s ", qPrintable(QGuiApplication::platformName()));
    if (baseline) {
        // The popup's own geometry, from a measuring run: this process opens no popup.
        const QStringList numbers = QCoreApplication::arguments().constLast().split(u',');
        const QRect geometry(numbers.value(0).toInt(), numbers.value(1).toInt(),
                             numbers.value(2).toInt(), numbers.value(3).toInt());
        if (numbers.size() != 4 || geometry.isEmpty()) {
            std::fprintf(stderr, "usage: bench_hover --baseline X,Y,W,H\n");
            return 2;
        }
        Print("base", MeasureBaseline(&mainForm, geometry));
        std::printf("\n");
        return 0;
    }
    const TSeries ttl = MeasureCircle(mainForm.TTLHighlight0);
    Print("ttl", ttl);
    const QRect popup = mainForm.TTLHighlight0->Popup()->geometry();
    std::printf("popup_geometry=%d,%d,%d,%d ", popup.x(), popup.y(), popup.width(), popup.height());
    // Every other popup, once each, opened by the first circle of its group.
    double firstMax = ttl.First.ShownUs;
    double reopenMax = Measure::Median(ttl.ReopenShown);
    int popups = 1;
    const auto circles = mainForm.findChildren<TBoardHighlight*>();
    for (TBoardHighlight* circle : circles) {
        const auto group = circle->Group();
        const bool opened = std::any_of(group.begin(), group.end(),
                                        [](TBoardHighlight* Member) { return Member->Popup(); });
        if (!circle->CreatePopup() || group.first() != circle || opened)
            continue;
        const TSeries series = MeasureCircle(circle);
        ++popups;
        firstMax = std::max(firstMax, series.First.ShownUs);
        reopenMax = std::max(reopenMax, Measure::Median(series.ReopenShown));
    }
    std::printf("popups=%d all_first_max_us=%.0f all_reopen_max_us=%.0f\n", popups, firstMax,
                reopenMax);
    return 0;
}
