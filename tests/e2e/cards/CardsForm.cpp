#include "CardsForm.h"

#include "components/SetupSupporter.h"
#include "platform/Application.h"
#include "platform/ContentLoader.h"

TCardsForm::TCardsForm(const QString& Content)
{
    const auto report = [](const Exception& Error) {
        TApplication::Instance()->HandleException(nullptr, Error);
    };
    try {
        TContentLoader(this, report).LoadFromFile(Content);
    } catch (const Exception& error) {
        report(error);
    }
    DoCreate();
}

void TCardsForm::FormCreate(QObject* /*Sender*/)
{
    QPointer<TSetupSupporter> supporter =
        qobject_cast<TSetupSupporter*>(FindComponent(QStringLiteral("SetSup")));
    if (!supporter)
        return;
    TApplication::Instance()->OnIdle = [supporter](QObject* Sender, bool& Done) {
        if (supporter)
            supporter->AppIdle(Sender, Done);
    };
}

void TCardsForm::Exit1Click(QObject* /*Sender*/)
{
    close();
}

QString TCardsForm::CardString(QObject* /*Sender*/, int CardIndex)
{
    return QStringLiteral("KX-2040 #%1 at bus %2").arg(CardIndex + 1).arg(CardIndex + 3);
}
