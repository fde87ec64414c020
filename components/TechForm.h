#pragma once

#include "platform/Form.h"

class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

// The technical support window: how to reach the company's support, and a Close button.
// Created empty and filled by Build; the text is fixed from then on.
class TTechForm : public TForm
{
    Q_OBJECT

public:
    explicit TTechForm(QWidget* Owner = nullptr);

    // CloseClick handles the Close button, with the button as Sender.
    void Build(const QString& CompanyName, const QString& CallHow, const TNotifyEvent& CloseClick);

    static QString SupportText(const QString& CompanyName, const QString& CallHow);

    QPlainTextEdit* TechMemo = nullptr;
    QPushButton* CloseButton = nullptr;

protected:
    // Close is the cancel button: Esc clicks it.
    void keyPressEvent(QKeyEvent* Event) override;
};
