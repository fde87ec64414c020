#include "support/MessageLog.h"

#include "platform/Application.h"

TMessageLog& TMessageLog::Instance()
{
    static TMessageLog log;
    return log;
}

void TMessageLog::Install()
{
    TApplication::Instance()->SetResponder(
        [this](const QString& Text, const QString& Caption, unsigned Flags) {
            return Answer(Text, Caption, Flags);
        });
}

void TMessageLog::Clear()
{
    FEntries.clear();
    FAnswers.clear();
}

QStringList TMessageLog::Texts() const
{
    QStringList texts;
    for (const TEntry& entry : FEntries)
        texts.append(entry.Text);
    return texts;
}

int TMessageLog::Answer(const QString& Text, const QString& Caption, unsigned Flags)
{
    FEntries.append({Text, Caption, Flags});
    return FAnswers.isEmpty() ? IDOK : FAnswers.takeFirst();
}
