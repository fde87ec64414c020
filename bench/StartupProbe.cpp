// The program's start-up, exactly as its main() runs it, timed from the exec to the end of
// the setup supporter's build at the first idle moment (header label up, timer armed).
// Peak memory is taken there, and again once the instructions window is on the screen.
#include "app/MainForm.h"
#include "bench/FirstIdle.h"
#include "bench/Measure.h"
#include "components/SetupCtrls.h"
#include "components/SetupSupporter.h"
#include "platform/Application.h"

#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace {

std::int64_t SinceLaunchUs()
{
    return (Measure::NowNs() - Measure::LaunchNs()) / 1000;
}

} // namespace

int main(int argc, char** argv)
{
    // The phases: into main (loading and linking), the application object, the main
    // window from its content, the idle hook's start (after the first paint) and its end.
    const std::int64_t mainUs = SinceLaunchUs();
    TApplication application(argc, argv);
    const std::int64_t applicationUs = SinceLaunchUs();
    TSetupCtrls::Register();
    TMainForm mainForm;
    const std::int64_t formUs = SinceLaunchUs();
    // The creation handler has hooked the supporter's build into the idle event: run that
    // hook unchanged, then take the time.
    const TApplication::TIdleEvent build = application.OnIdle;
    if (!build || !mainForm.SetSup) {
        std::fprintf(stderr, "the supporter's build is not hooked into the idle event\n");
        return 1;
    }
    std::int64_t idleUs = -1;
    std::int64_t builtUs = -1;
    std::int64_t builtPeakKb = -1;
    std::int64_t builtAnonKb = -1;
    std::int64_t builtFileKb = -1;
    std::unique_ptr<TFirstIdle> helpShown;
    std::unique_ptr<TFirstIdle> helpExposed;
    TSetupSupporter* supporter = mainForm.SetSup;
    application.OnIdle = [&](QObject* Sender, bool& Done) {
        if (idleUs < 0)
            idleUs = SinceLaunchUs();
        build(Sender, Done);
        if (builtUs >= 0 || !supporter->HeaderLabel() || !supporter->HelpForm())
            return;
        builtUs = SinceLaunchUs();
        builtPeakKb = Measure::PeakMemoryKb();
        builtAnonKb = Measure::StatusKb("RssAnon");
        builtFileKb = Measure::StatusKb("RssFile");
        // Its client area covers the window, so the window's exposure stands for its paint.
        helpShown = std::make_unique<TFirstIdle>(supporter->HelpForm(), QEvent::Show, [&] {
            QWindow* window = supporter->HelpForm()->windowHandle();
            helpExposed = std::make_unique<TFirstIdle>(window, QEvent::Expose, [&] {
                std::printf(
                    "main_us=%lld application_us=%lld form_us=%lld idle_us=%lld "
                    "startup_us=%lld hwm_kb=%lld settled_hwm_kb=%lld anon_kb=%lld file_kb=%lld\n",
                    static_cast<long long>(mainUs), static_cast<long long>(applicationUs),
                    static_cast<long long>(formUs), static_cast<long long>(idleUs),
                    static_cast<long long>(builtUs), static_cast<long long>(builtPeakKb),
                    static_cast<long long>(Measure::PeakMemoryKb()),
                    static_cast<long long>(builtAnonKb), static_cast<long long>(builtFileKb));
                std::fflush(stdout);
                application.quit();
            });
            if (window && window->isExposed())
                helpExposed->Arm();
        });
    };
    QTimer::singleShot(20000, &application, [&application] {
        std::fprintf(stderr, "no end of the start-up within 20 s\n");
        application.exit(1);
    });
    return application.Run();
}
