#pragma once

#include "platform/Form.h"

#include <QPointer>

class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class TBoardHighlight;

// The small tool window that a highlight circle opens: the circle's explanation panel,
// a read-only text box, Previous/Next/Done and a status bar. Found among all forms by
// its caption and Tag; closing hides it.
class TPopupForm : public TForm
{
    Q_OBJECT

public:
    explicit TPopupForm(TBoardHighlight* Highlight);

    TBoardHighlight* Highlight() const;
    bool AutoClose() const { return FAutoClose; }
    void SetAutoClose(bool Value) { FAutoClose = Value; }

    // Places the status bar, the three buttons and the text box from the client size.
    void BuildControls(int MemoHeight, const QStringList& Lines, const TNotifyEvent& Previous,
                       const TNotifyEvent& Next, const TNotifyEvent& Done);
    // Moves the window back inside the primary screen.
    void KeepOnScreen();

    QStatusBar* PopupStatus() const { return FPopupStatus; }
    QPushButton* PreviousButton() const { return FPreviousButton; }
    QPushButton* NextButton() const { return FNextButton; }
    QPushButton* DoneButton() const { return FDoneButton; }
    QPlainTextEdit* StatusMemo() const { return FStatusMemo; }

    void Dispatch(TMessage& Message) override;
    void WMActivate(TMessage& Message);
    void CMMouseLeave(TMessage& Message);

protected:
    void leaveEvent(QEvent* Event) override;

private:
    QPushButton* MakeButton(const QString& Name, const QString& Text, int Left, int Top,
                            Platform::TAnchors Anchors, const TNotifyEvent& OnClick);

    QPointer<TBoardHighlight> FHighlight;
    bool FAutoClose = false;
    QStatusBar* FPopupStatus = nullptr;
    QPushButton* FPreviousButton = nullptr;
    QPushButton* FNextButton = nullptr;
    QPushButton* FDoneButton = nullptr;
    QPlainTextEdit* FStatusMemo = nullptr;
};
