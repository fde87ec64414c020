#include "StateReporter.h"
#include "app/MainForm.h"
#include "components/SetupCtrls.h"
#include "platform/Application.h"

// The Settings program exactly as it starts, with a reporter of its state for the monkey
// test. Usage: settings_monkey REQUEST_PIPE STATE_FILE
int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    TSetupCtrls::Register();
    TMainForm mainForm;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        qFatal("usage: settings_monkey REQUEST_PIPE STATE_FILE");
    TStateReporter reporter(&mainForm, arguments[1], arguments[2]);
    return application.Run();
}
