#include "components/SetupCtrls.h"

#include "components/BoardHighlight.h"
#include "components/BoardImage.h"
#include "components/RadioPanel.h"
#include "components/SetupSupporter.h"
#include "components/ThreeJumper.h"
#include "platform/ComponentClasses.h"

void TSetupCtrls::Register()
{
    TComponentClasses::RegisterPlatformClasses();
    TComponentClasses::RegisterControl<TBoardImage>(QStringLiteral("TBoardImage"));
    TComponentClasses::RegisterControl<TBoardHighlight>(QStringLiteral("TBoardHighlight"));
    TComponentClasses::RegisterControl<TRadioPanel>(QStringLiteral("TRadioPanel"));
    TComponentClasses::RegisterControl<TThreeJumper>(QStringLiteral("TThreeJumper"));
    TComponentClasses::RegisterComponent<TSetupSupporter>(QStringLiteral("TSetupSupporter"));
    TSetupSupporter::RegisterEventTypes();
}
