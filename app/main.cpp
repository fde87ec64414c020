#include "app/MainForm.h"
#include "components/SetupCtrls.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    TSetupCtrls::Register();
    TMainForm mainForm;
    return application.Run();
}
