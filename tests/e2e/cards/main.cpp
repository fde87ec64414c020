#include "CardsForm.h"
#include "components/SetupCtrls.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    TSetupCtrls::Register();
    TCardsForm form(QStringLiteral(CARDS_CONTENT));
    return application.Run();
}
