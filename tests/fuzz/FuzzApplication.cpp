#include "fuzz/FuzzApplication.h"

#include "components/SetupCtrls.h"
#include "platform/Application.h"

void TFuzzApplication::Start(const char* ProgramName)
{
    // Headless like the unit tests, unless the caller chose a platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", "/usr/share/fonts/truetype");
    // libFuzzer's own options are not the application's.
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(ProgramName), nullptr};
    static auto* application = new TApplication(argc, argv);
    TSetupCtrls::Register();
    // A message box would wait for a user who never comes.
    application->SetResponder([](const QString&, const QString&, unsigned) { return IDOK; });
}
