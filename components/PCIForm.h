#pragma once

#include "platform/Form.h"

#include <functional>

class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

// The installed-cards window: one entry per card that the driver reports, or
// "No Card Found", and a Close button. On screen as soon as it is laid out.
class TPCIForm : public TForm
{
    Q_OBJECT

public:
    using TCardString = std::function<QString(int CardIndex)>;

    explicit TPCIForm(QWidget* Owner = nullptr);

    // CloseClick handles the Close button, with the button as Sender.
    void Build(const QString& CardName, const TNotifyEvent& CloseClick);
    // Asks the driver for the number of cards and lists the non-empty texts of them;
    // true when at least one was listed.
    bool ListCards(const TCardString& CardString);

    QPlainTextEdit* PCIMemo = nullptr;
    QPushButton* CloseButton = nullptr;

protected:
    // Close is the cancel button: Esc clicks it.
    void keyPressEvent(QKeyEvent* Event) override;
};
