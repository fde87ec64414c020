#include "components/TechForm.h"

#include "platform/AnchorKeeper.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Platform;

TTechForm::TTechForm(QWidget* Owner) : TForm(Owner) {}

QString TTechForm::SupportText(const QString& CompanyName, const QString& CallHow)
{
    return QStringLiteral("There are several ways to get technical support. First and fastest is "
                          "to skim the relevant sections of the manual. However, some questions "
                          "require personal assistance, and ") +
           CompanyName + QStringLiteral(" stands ready to provide that help. You can call us ") +
           CallHow + QStringLiteral(" for any of your product questions.") +
           QStringLiteral("\r\n\r\nIn order to provide the best and fastest support possible, we "
                          "ask that you be at your computer when you call, and have the ") +
           CompanyName + QStringLiteral(" product manual and Companion CD at hand.");
}

void TTechForm::Build(const QString& CompanyName, const QString& CallHow,
                      const TNotifyEvent& CloseClick)
{
    setObjectName(QStringLiteral("TechForm"));
    SetCaption(QStringLiteral("Technical Support"));
    SetFormStyle(fsStayOnTop);
    SetPosition(poDefaultPosOnly);

    TechMemo = new QPlainTextEdit(Client());
    TechMemo->setObjectName(QStringLiteral("TechMemo"));
    TechMemo->setGeometry(8, 8, 305, 89);
    TechMemo->setReadOnly(true);
    TechMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TechMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TechMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TechMemo->setPlainText(SupportText(CompanyName, CallHow));

    CloseButton = new QPushButton(QStringLiteral("Close"), Client());
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(165, 105, 73, 25);
    QWidget::setTabOrder(CloseButton, TechMemo);
    CloseButton->setFocus();
    connect(CloseButton, &QPushButton::clicked, this, [this, CloseClick] {
        if (CloseClick)
            CloseClick(CloseButton);
    });

    FitClientToControls();
    SetAnchors(TechMemo, akLeft | akTop | akRight | akBottom);
    CloseButton->move((ClientWidth() - CloseButton->width()) / 2, CloseButton->y());
    SetAnchors(CloseButton, akBottom);
}

void TTechForm::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape && CloseButton) {
        CloseButton->click();
        return;
    }
    TForm::keyPressEvent(Event);
}
