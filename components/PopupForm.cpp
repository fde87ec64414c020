#include "components/PopupForm.h"

#include "components/BoardHighlight.h"
#include "platform/AnchorKeeper.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

using namespace Platform;

TPopupForm::TPopupForm(TBoardHighlight* Highlight) : TForm(Highlight), FHighlight(Highlight) {}

TBoardHighlight* TPopupForm::Highlight() const
{
    return FHighlight;
}

QPushButton* TPopupForm::MakeButton(const QString& Name, const QString& Text, int Left, int Top,
                                    TAnchors Anchors, const TNotifyEvent& OnClick)
{
    auto* button = new QPushButton(Text, Client());
    button->setObjectName(Name);
    button->setGeometry(Left, Top, 58, 25);
    SetAnchors(button, Anchors);
    connect(button, &QPushButton::clicked, this, [this, OnClick] {
        if (OnClick)
            OnClick(this);
    });
    return button;
}

void TPopupForm::BuildControls(int MemoHeight, const QStringList& Lines,
                               const TNotifyEvent& Previous, const TNotifyEvent& Next,
                               const TNotifyEvent& Done)
{
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    FPopupStatus = new QStatusBar(Client());
    FPopupStatus->setObjectName(QStringLiteral("PopupStatus"));
    FPopupStatus->setGeometry(0, ch - 19, cw, 19);
    SetAnchors(FPopupStatus, akLeft | akRight | akBottom);
    FPreviousButton = MakeButton(QStringLiteral("PreviousButton"), QStringLiteral("Previous"), 6,
                                 ch - 44, akLeft | akBottom, Previous);
    FNextButton = MakeButton(QStringLiteral("NextButton"), QStringLiteral("Next"), (cw - 58) / 2,
                             ch - 44, akBottom, Next);
    FDoneButton = MakeButton(QStringLiteral("DoneButton"), QStringLiteral("Done"), cw - 64, ch - 44,
                             akRight | akBottom, Done);
    FStatusMemo = new QPlainTextEdit(Client());
    FStatusMemo->setObjectName(QStringLiteral("StatusMemo"));
    FStatusMemo->setReadOnly(true);
    FStatusMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FStatusMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FStatusMemo->setGeometry(6, FDoneButton->y() - 6 - MemoHeight, cw - 12, MemoHeight);
    FStatusMemo->setPlainText(Lines.join(u'\n'));
    SetAnchors(FStatusMemo, akLeft | akTop | akRight | akBottom);
}

void TPopupForm::KeepOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize area = screen->geometry().size();
    int left = Left();
    int top = Top();
    if (left < 0)
        left = 0;
    else if (left + Width() > area.width())
        left = area.width() - Width();
    if (top < 0)
        top = 0;
    else if (top + Height() > area.height())
        top = area.height() - Height();
    move(left, top);
}

void TPopupForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ACTIVATE:
        WMActivate(Message);
        break;
    case CM_MOUSELEAVE:
        CMMouseLeave(Message);
        break;
    default:
        TForm::Dispatch(Message);
        break;
    }
}

void TPopupForm::WMActivate(TMessage& Message)
{
    if (FHighlight)
        FHighlight->PopupActivated(Message.WParam != WA_INACTIVE);
    Message.Result = 0;
}

void TPopupForm::CMMouseLeave(TMessage& Message)
{
    const QPoint pointer = QCursor::pos() - QPoint(Left(), Top());
    // The whole window counts, caption and frame included.
    if (QRect(0, 0, Width(), Height()).contains(pointer) || !FAutoClose) {
        TForm::Dispatch(Message);
        return;
    }
    close();
}

void TPopupForm::leaveEvent(QEvent* Event)
{
    TForm::leaveEvent(Event);
    Perform(CM_MOUSELEAVE, 0, 0);
}
