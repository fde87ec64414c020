#pragma once

#include "platform/Form.h"

// The main window of a program that lists installed cards: its content gives the setup
// supporter a card-text handler of this window.
class TCardsForm : public TForm
{
    Q_OBJECT

public:
    explicit TCardsForm(const QString& Content);

    Q_INVOKABLE void FormCreate(QObject* Sender);
    Q_INVOKABLE void Exit1Click(QObject* Sender);
    Q_INVOKABLE QString CardString(QObject* Sender, int CardIndex);
};
