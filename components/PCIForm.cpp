#include "components/PCIForm.h"

#include "driver/DriverLibrary.h"
#include "platform/AnchorKeeper.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Platform;

TPCIForm::TPCIForm(QWidget* Owner) : TForm(Owner) {}

void TPCIForm::Build(const QString& CardName, const TNotifyEvent& CloseClick)
{
    setObjectName(QStringLiteral("PCIForm"));
    SetCaption(CardName + QStringLiteral(" Cards installed"));
    SetFormStyle(fsStayOnTop);
    SetPosition(poDefaultPosOnly);

    PCIMemo = new QPlainTextEdit(Client());
    PCIMemo->setObjectName(QStringLiteral("PCIMemo"));
    PCIMemo->setGeometry(8, 8, 305, 89);
    PCIMemo->setFont(QFont(QStringLiteral("Tahoma"), 10, QFont::Bold));
    PCIMemo->setReadOnly(true);
    PCIMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PCIMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    CloseButton = new QPushButton(QStringLiteral("Close"), Client());
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    // Centred in the outer width of the window as it was made, and not again after the fit.
    CloseButton->setGeometry((Width() - 73) / 2, 105, 73, 25);
    QWidget::setTabOrder(CloseButton, PCIMemo);
    CloseButton->setFocus();
    connect(CloseButton, &QPushButton::clicked, this, [this, CloseClick] {
        if (CloseClick)
            CloseClick(CloseButton);
    });

    FitClientToControls();
    SetAnchors(PCIMemo, akLeft | akTop | akRight | akBottom);
    SetAnchors(CloseButton, akBottom);
    // On screen before the cards are asked for. Nothing is drawn before the build returns,
    // so showing it before the fit would look the same, but a window resized while shown
    // is put back where it was created instead of where the window system placed it.
    show();
}

bool TPCIForm::ListCards(const TCardString& CardString)
{
    const std::int32_t count = Driver::CardCount();
    bool found = false;
    if (count > 0) {
        PCIMemo->clear();
        for (int index = 0; index < count; ++index) {
            const QString text = CardString ? CardString(index) : QString();
            if (text.isEmpty())
                continue;
            PCIMemo->appendPlainText(text);
            found = true;
        }
    }
    if (!found)
        PCIMemo->setPlainText(QStringLiteral("No Card Found"));
    return found;
}

void TPCIForm::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape && CloseButton) {
        CloseButton->click();
        return;
    }
    TForm::keyPressEvent(Event);
}
