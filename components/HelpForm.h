#pragma once

#include "platform/Form.h"

#include <QByteArray>
#include <QSize>

class QKeyEvent;
class QPushButton;
class QTextEdit;
class TLabel;

// The instructions window: a heading, the instructions as rich text and a Start button
// that hides the window and starts the guided walk over the board. Created empty and
// filled by Build; sized once to the screen.
class THelpForm : public TForm
{
    Q_OBJECT

public:
    explicit THelpForm(QWidget* Owner = nullptr);

    void Build(const QString& CompanyName, const QString& CardName, bool Series, bool MultiPort,
               bool ListsCards);

    // The instructions as RTF (code page 1252), byte for byte.
    static QByteArray InstructionsDocument(const QString& CompanyName, const QString& CardName,
                                           bool Series, bool MultiPort, bool ListsCards);
    // The client size scaled to a screen: by min(height / 450, width / 800), never below
    // 1, each side rounded to the nearest integer with halves to even.
    static QSize ScaledClientSize(QSize ClientSize, QSize ScreenSize);

    Q_INVOKABLE void StartButtonClick(QObject* Sender);

    QTextEdit* HelpRich = nullptr;
    TLabel* HelpLabel = nullptr;
    // This window has no Close button; the field stays empty.
    QPushButton* CloseButton = nullptr;
    QPushButton* StartButton = nullptr;

protected:
    // Start is the default and the cancel button: Enter and Esc click it.
    void keyPressEvent(QKeyEvent* Event) override;

private:
    void BuildControls(const QByteArray& Document);
    void Arrange();
    void ScaleToScreen();
};
