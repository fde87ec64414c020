#include "components/HelpForm.h"

#include "components/BoardImage.h"
#include "platform/AnchorKeeper.h"
#include "platform/Application.h"
#include "platform/Label.h"
#include "platform/RtfReader.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

using namespace Platform;

namespace {

const QByteArray CrLf = QByteArrayLiteral("\r\n");

// Text from the supporter's properties inside the document: the RTF specials are escaped
// and what code page 1252 shares with Latin-1 is written as a hex byte, anything else as
// a Unicode character, so no name can break the document.
QByteArray RtfText(const QString& Text)
{
    QByteArray rtf;
    for (const QChar ch : Text) {
        const char16_t code = ch.unicode();
        if (code == u'\\' || code == u'{' || code == u'}') {
            rtf += '\\';
            rtf += char(code);
        } else if (code < 0x80) {
            rtf += char(code);
        } else if (code >= 0xA0 && code <= 0xFF) {
            rtf += "\\'" + QByteArray::number(code, 16);
        } else {
            rtf += "\\u" + QByteArray::number(qint16(code)) + '?';
        }
    }
    return rtf;
}

int RoundHalfEven(double Value)
{
    const double floor = std::floor(Value);
    const double fraction = Value - floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        return int(floor) + 1;
    return int(floor);
}

} // namespace

THelpForm::THelpForm(QWidget* Owner) : TForm(Owner) {}

QByteArray THelpForm::InstructionsDocument(const QString& CompanyName, const QString& CardName,
                                           bool Series, bool MultiPort, bool ListsCards)
{
    const QByteArray card = RtfText(CardName);
    QByteArray rtf;
    rtf +=
        R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}})"
        R"({\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64\blue255;)"
        R"(\red255\green64\blue64;}\viewkind4\uc1\pard\f0\fs32\cf0)" +
        CrLf + R"({\b )";
    rtf += RtfText(CompanyName);
    rtf += ' ';
    rtf += card;
    if (Series)
        rtf += " Series";
    rtf += R"( Settings Program}\par\par\fs24)" + CrLf;
    rtf += "This program will help you configure the option jumpers and settings associated with "
           "this product. You should have the product in-hand when first using this "
           R"(program.\par\par)" +
           CrLf;
    rtf += R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and )"
           R"(switches.\par\par)" +
           CrLf;
    rtf += R"({\cf2\fs24\b Blue circles} are informational only. They provide information on )"
           R"(standard and optional features of the product family.\par\par)" +
           CrLf;
    rtf += R"({\cf3\fs24\b Red circles} handle calibration and types of configuration that )"
           "require actually controlling the hardware device. Run this settings program again "
           "once the card is installed. ";
    rtf += R"(Repeat the {\cf1 setup circles} (using the same settings) to configure this )"
           R"(program, then perform the {\cf3 calibration circles}.\par\par)" +
           CrLf;
    rtf += "Mouse over the highlight circles to see configuration or information popups for "
           R"({\cf1 setup}, {\cf2 features}, and {\cf3 calibration}. Click a highlight circle to )"
           "make its popup remain on-screen. ";
    rtf += "You can have all or as many of these popups onscreen at the same time as you "
           R"(desire.\par\par)" +
           CrLf;
    if (MultiPort) {
        rtf += R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  )"
               "the configuration options for each port are handled identically; ";
        rtf += "this program only shows the setup once, but you need to perform this setup for "
               R"(each group of options on your device.\par\par)" +
               CrLf;
    }
    if (ListsCards)
        rtf += "To see a list of " + card + " cards installed, click \"Display " + card +
               R"( Cards Installed" under the File menu.\par\par)" + CrLf;
    rtf += '}';
    return rtf;
}

QSize THelpForm::ScaledClientSize(QSize ClientSize, QSize ScreenSize)
{
    double scale = std::min(ScreenSize.height() / 450.0, ScreenSize.width() / 800.0);
    // Never smaller than the layout; a NaN fails the test as well.
    if (!(scale >= 1.0))
        scale = 1.0;
    return {RoundHalfEven(ClientSize.width() * scale), RoundHalfEven(ClientSize.height() * scale)};
}

void THelpForm::Build(const QString& CompanyName, const QString& CardName, bool Series,
                      bool MultiPort, bool ListsCards)
{
    setObjectName(QStringLiteral("HelpForm"));
    SetCaption(QStringLiteral("Instructions for Settings utility"));
    SetFormStyle(fsStayOnTop);
    SetPosition(poMainFormCenter);
    BuildControls(InstructionsDocument(CompanyName, CardName, Series, MultiPort, ListsCards));
    Arrange();
    ScaleToScreen();
}

void THelpForm::BuildControls(const QByteArray& Document)
{
    HelpLabel = new TLabel(Client());
    HelpLabel->setObjectName(QStringLiteral("HelpLabel"));
    HelpLabel->SetAlignment(taCenter);
    HelpLabel->SetCaption(QStringLiteral("How to use this program"));
    HelpLabel->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    // Along the top edge, as high as its text.
    HelpLabel->SetAutoSize(false);
    HelpLabel->setGeometry(0, 0, ClientWidth(), HelpLabel->fontMetrics().height());

    HelpRich = new QTextEdit(Client());
    HelpRich->setObjectName(QStringLiteral("HelpRich"));
    HelpRich->setGeometry(0, 24, 305, 73);
    HelpRich->setReadOnly(true);
    HelpRich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpRich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = HelpRich->palette();
    palette.setColor(QPalette::Base, ToQColor(0xDDDDDD));
    HelpRich->setPalette(palette);
    TRtfReader::Load(*HelpRich->document(), Document);
    // Read from the title down.
    HelpRich->moveCursor(QTextCursor::Start);

    StartButton = new QPushButton(QStringLiteral("Start"), Client());
    StartButton->setObjectName(QStringLiteral("StartButton"));
    StartButton->setDefault(true);
    StartButton->setGeometry(0, 105, 173, 25);
    QWidget::setTabOrder(StartButton, HelpRich);
    StartButton->setFocus();
    connect(StartButton, &QPushButton::clicked, this, [this] { StartButtonClick(StartButton); });
}

void THelpForm::Arrange()
{
    SetClientWidth(HelpRich->width());
    // The heading follows the client width at once.
    HelpLabel->resize(ClientWidth(), HelpLabel->height());
    FitClientToControls();
    SetClientHeight(ClientHeight() + 8);
    SetAnchors(HelpRich, akLeft | akTop | akRight | akBottom);
    SetAnchors(HelpLabel, akLeft | akTop | akRight);
    StartButton->move((ClientWidth() - StartButton->width()) / 2, StartButton->y());
    SetAnchors(StartButton, akBottom);
}

void THelpForm::ScaleToScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize scaled = ScaledClientSize({ClientWidth(), ClientHeight()}, screen->size());
    SetClientWidth(scaled.width());
    SetClientHeight(scaled.height());
}

void THelpForm::StartButtonClick(QObject* /*Sender*/)
{
    hide();
    const TApplication* application = TApplication::Instance();
    const TForm* mainForm = application ? application->MainForm() : nullptr;
    if (!mainForm)
        return;
    const auto controls = mainForm->Controls();
    for (QWidget* control : controls) {
        if (auto* board = qobject_cast<TBoardImage*>(control)) {
            board->Perform(WM_STARTTOUR, 0, 0);
            return;
        }
    }
}

void THelpForm::keyPressEvent(QKeyEvent* Event)
{
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (StartButton) {
            StartButton->click();
            return;
        }
        break;
    default:
        break;
    }
    TForm::keyPressEvent(Event);
}
