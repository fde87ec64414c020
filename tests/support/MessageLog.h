#pragma once

#include <QList>
#include <QString>

// Answers the application's message boxes in tests and records what they said, so no
// modal box ever blocks a test. Answers are taken in order; IDOK when none is queued.
class TMessageLog
{
public:
    struct TEntry
    {
        QString Text;
        QString Caption;
        unsigned Flags;
    };

    static TMessageLog& Instance();
    // Installs the responder on the running TApplication.
    void Install();
    void Clear();
    void QueueAnswer(int Answer) { FAnswers.append(Answer); }
    const QList<TEntry>& Entries() const { return FEntries; }
    QStringList Texts() const;

private:
    int Answer(const QString& Text, const QString& Caption, unsigned Flags);

    QList<TEntry> FEntries;
    QList<int> FAnswers;
};
