// The baselines of the start-up benchmark: a bare maximised Qt window, timed from its exec
// to the first moment the event loop runs empty after its first paint. With --text, the
// window also carries a menu bar and a bold heading, so that it loads fonts as every window
// with text must.
#include "bench/FirstIdle.h"
#include "bench/Measure.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    const std::int64_t mainNs = Measure::NowNs();
    QApplication application(argc, argv);
    const std::int64_t applicationNs = Measure::NowNs();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    if (QCoreApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* menu = new QMenuBar(&window);
        menu->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
        menu->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
        auto* heading = new QLabel(QStringLiteral("A heading across the window"), &window);
        heading->setFont(QFont(QStringLiteral("DejaVu Sans"), 18, QFont::Bold));
        heading->move(0, menu->sizeHint().height());
        heading->adjustSize();
    }
    TFirstIdle firstIdle(&window, QEvent::Paint, [&] {
        const std::int64_t launch = Measure::LaunchNs();
        const std::int64_t elapsedNs = Measure::NowNs() - launch;
        const std::int64_t peak = Measure::PeakMemoryKb();
        std::printf("main_us=%lld application_us=%lld startup_us=%lld hwm_kb=%lld "
                    "settled_hwm_kb=%lld anon_kb=%lld file_kb=%lld\n",
                    static_cast<long long>((mainNs - launch) / 1000),
                    static_cast<long long>((applicationNs - launch) / 1000),
                    static_cast<long long>(elapsedNs / 1000), static_cast<long long>(peak),
                    static_cast<long long>(peak),
                    static_cast<long long>(Measure::StatusKb("RssAnon")),
                    static_cast<long long>(Measure::StatusKb("RssFile")));
        std::fflush(stdout);
        application.quit();
    });
    window.showMaximized();
    return application.exec();
}
