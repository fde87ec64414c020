#include "components/SetupSupporter.h"

#include "platform/AnchorKeeper.h"
#include "platform/Application.h"
#include "platform/ContentLoader.h"
#include "platform/Exceptions.h"
#include "platform/Form.h"
#include "platform/HiddenWindow.h"
#include "platform/Label.h"
#include "platform/MainMenu.h"
#include "platform/Message.h"

#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

using namespace Platform;

namespace {

// Flags of the two calibration boxes: warning icon, brought to the foreground, topmost.
constexpr unsigned NotAssignedFlags = MB_OK | MB_ICONWARNING | MB_SETFOREGROUND | MB_TOPMOST;
constexpr unsigned FailureFlags =
    MB_RETRYCANCEL | MB_ICONWARNING | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST;

void CheckReturnsText(const QMetaMethod& Method)
{
    if (Method.returnMetaType() != QMetaType::fromType<QString>())
        throw EContentError(QStringLiteral("method %1 does not return a text")
                                .arg(QString::fromLatin1(Method.name())));
}

// Replaces one line of a display; a line that the display does not have is left alone.
void ReplaceLine(QPlainTextEdit* Display, int Line, const QString& Text)
{
    const QTextBlock block = Display->document()->findBlockByNumber(Line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(Text);
}

} // namespace

TSetupSupporter::TSetupSupporter(QObject* Owner)
    : QObject(Owner), FWindowHandle(std::make_unique<THiddenWindow>(
                          [this](TMessage& Message) { WndProc(Message); }))
{
}

TSetupSupporter::~TSetupSupporter()
{
    FCalibrating = false;
    // Only a stop: a show still pending would need a new timer that ends with the window
    // right below, and a destructor must not fail for want of one.
    FWindowHandle->KillTimer(TimerId);
    FWindowHandle.reset();
}

void TSetupSupporter::RegisterEventTypes()
{
    TContentLoader::RegisterEventType(
        QMetaType::fromType<TPCIEvent>(), QByteArrayLiteral("(QObject*,int)"),
        [](QObject* Handler, const QMetaMethod& Method) {
            CheckReturnsText(Method);
            QPointer<QObject> target = Handler;
            return QVariant::fromValue(TPCIEvent([target, Method](QObject* Sender, int CardIndex) {
                QString text;
                if (target)
                    Method.invoke(target, Qt::DirectConnection, Q_RETURN_ARG(QString, text),
                                  Q_ARG(QObject*, Sender), Q_ARG(int, CardIndex));
                return text;
            }));
        });
    TContentLoader::RegisterEventType(
        QMetaType::fromType<TCalibEvent>(), QByteArrayLiteral("(QObject*,quint8,bool&)"),
        [](QObject* Handler, const QMetaMethod& Method) {
            CheckReturnsText(Method);
            QPointer<QObject> target = Handler;
            return QVariant::fromValue(
                TCalibEvent([target, Method](QObject* Sender, quint8 Channel, bool& ItsAllBad) {
                    QString text;
                    if (target)
                        Method.invoke(target, Qt::DirectConnection, Q_RETURN_ARG(QString, text),
                                      Q_ARG(QObject*, Sender), Q_ARG(quint8, Channel),
                                      Q_ARG(bool&, ItsAllBad));
                    return text;
                }));
        });
}

TLabel* TSetupSupporter::HeaderLabel() const
{
    return FHeaderLabel;
}

THelpForm* TSetupSupporter::HelpForm() const
{
    return FHelpForm;
}

TTechForm* TSetupSupporter::TechForm() const
{
    return FTechForm;
}

TPCIForm* TSetupSupporter::PCIForm() const
{
    return FPCIForm;
}

QString TSetupSupporter::HeaderCaption(const QString& CardName, bool Series, bool Found)
{
    if (Found)
        return CardName + (Series ? QStringLiteral(" Series") : QString()) +
               QStringLiteral(" Settings Program");
    return QStringLiteral("No ") + CardName +
           (Series ? QStringLiteral(" Series Card") : QString()) + QStringLiteral(" Found");
}

void TSetupSupporter::AppIdle(QObject* Sender, bool& /*Done*/)
{
    // Once only: the hook goes before the build, which may fail.
    if (auto* application = qobject_cast<TApplication*>(Sender))
        application->OnIdle = nullptr;
    BuildWindows();
}

void TSetupSupporter::BuildWindows()
{
    const TApplication* application = TApplication::Instance();
    TForm* mainForm = application ? application->MainForm() : nullptr;
    if (!mainForm)
        throw Exception(QStringLiteral("The setup windows need a main window"));
    const QString card = CardName();
    BuildHeaderLabel(mainForm);
    BuildHelpForm(mainForm, card);
    BuildTechForm(mainForm);
    const bool found = FOnGetCardString ? BuildPCIForm(mainForm, card) : true;
    if (FHeaderLabel)
        FHeaderLabel->SetCaption(HeaderCaption(card, FbSeries, found));
    FShowHelpPending = true;
    UpdateTimer();
}

void TSetupSupporter::BuildHeaderLabel(TForm* MainForm)
{
    auto* label = new TLabel(MainForm->Client());
    FHeaderLabel = label;
    label->setObjectName(QStringLiteral("HeaderLabel"));
    label->SetAlignment(taCenter);
    label->setFont(QFont(QStringLiteral("Tahoma"), 18, QFont::Bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(clBlack));
    label->setPalette(palette);
    // A strip across the top of the client area, as high as its text, whatever the width.
    label->SetAutoSize(false);
    label->setGeometry(0, 0, MainForm->Client()->width(), label->fontMetrics().height());
    SetAnchors(label, akLeft | akTop | akRight);
    label->show();
}

void TSetupSupporter::BuildHelpForm(TForm* MainForm, const QString& Card)
{
    auto* form = new THelpForm(MainForm);
    FHelpForm = form;
    form->Build(FCompanyName, Card, FbSeries, FMultiPort, bool(FOnGetCardString));
}

void TSetupSupporter::BuildTechForm(TForm* MainForm)
{
    auto* form = new TTechForm(MainForm);
    FTechForm = form;
    form->Build(FCompanyName, FCallHow, CloseHandler());
}

bool TSetupSupporter::BuildPCIForm(TForm* MainForm, const QString& Card)
{
    AddDisplayEntry(MainForm, Card);
    auto* form = new TPCIForm(MainForm);
    FPCIForm = form;
    form->Build(Card, CloseHandler());
    const TPCIEvent cardString = FOnGetCardString;
    return form->ListCards(
        [this, cardString](int CardIndex) { return cardString(this, CardIndex); });
}

void TSetupSupporter::AddDisplayEntry(TForm* MainForm, const QString& Card)
{
    TMainMenu* menu = MainForm->Menu();
    if (!menu)
        return;
    for (int index = 0; index < menu->Count(); ++index) {
        TMenuItem* file = menu->Items(index);
        if (file->Caption() != QLatin1String("&File"))
            continue;
        auto* entry = new TMenuItem(file);
        entry->setObjectName(QStringLiteral("DisplayPCI"));
        entry->SetCaption(QStringLiteral("Display ") + Card + QStringLiteral(" Cards Installed"));
        QPointer<TSetupSupporter> supporter = this;
        entry->OnClick = [supporter](QObject* Sender) {
            if (supporter)
                supporter->ShowPCIForm(Sender);
        };
        file->Insert(0, entry);
        return;
    }
}

TNotifyEvent TSetupSupporter::CloseHandler()
{
    QPointer<TSetupSupporter> supporter = this;
    return [supporter](QObject* Sender) {
        if (supporter)
            supporter->CloseButtonClick(Sender);
    };
}

void TSetupSupporter::CloseButtonClick(QObject* Sender)
{
    auto* control = qobject_cast<QWidget*>(Sender);
    if (!control)
        throw EInvalidCast();
    if (QWidget* parent = control->parentWidget())
        parent->window()->hide();
}

void TSetupSupporter::ShowPCIForm(QObject* /*Sender*/)
{
    if (FPCIForm)
        FPCIForm->Show();
}

void TSetupSupporter::WndProc(TMessage& Message)
{
    if (Message.Msg != WM_TIMER) {
        Message.Result = THiddenWindow::DefWindowProc(Message);
        return;
    }
    try {
        TimerTick();
    } catch (const std::exception& error) {
        if (auto* application = TApplication::Instance())
            application->HandleException(this, error);
    }
}

void TSetupSupporter::UpdateTimer()
{
    FWindowHandle->KillTimer(TimerId);
    if ((FCalibrating || FShowHelpPending) && !FWindowHandle->SetTimer(TimerId, TimerPeriod))
        throw EOutOfResources(QStringLiteral("Not enough timers available"));
}

void TSetupSupporter::SetOnBeginCalib(const TNotifyEvent& Value)
{
    FOnBeginCalib = Value;
    UpdateTimer();
}

void TSetupSupporter::TimerTick()
{
    if (!FShowHelpPending) {
        CalibrationStep();
        return;
    }
    if (FHelpForm)
        FHelpForm->Show();
    FShowHelpPending = false;
    UpdateTimer();
}

void TSetupSupporter::AddChannelDisplay(const TChannelDisplay& Entry)
{
    if (FChannelDisplays.size() >= MaxChannelDisplays)
        throw Exception(QStringLiteral("No more than %1 channel displays").arg(MaxChannelDisplays));
    FChannelDisplays.append(Entry);
}

void TSetupSupporter::SetCalibrating(bool Value)
{
    if (FCalibrating == Value)
        return;
    FCalibrating = Value;
    UpdateTimer();
}

void TSetupSupporter::CalibrationStep()
{
    if (FOnBeginCalib)
        FOnBeginCalib(this);
    if (!FOnGetCalibString) {
        SetCalibrating(false);
        TApplication::Instance()->MessageBox(
            QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."),
            QStringLiteral("OnGetCalibString Not Assigned"), NotAssignedFlags);
        StopCalibration();
        return;
    }
    // Handlers may register displays while a step runs: walk by index.
    for (qsizetype index = 0; index < FChannelDisplays.size(); ++index) {
        const QPointer<QWidget>* hide = FChannelDisplays.at(index).HideOnCalib;
        if (QWidget* control = hide ? hide->data() : nullptr)
            control->hide();
    }
    const TCalibEvent calibString = FOnGetCalibString;
    bool itsAllBad = true;
    QString text;
    for (int channel = 0; channel < FChannels; ++channel) {
        text = calibString(this, quint8(channel), itsAllBad);
        ShowChannelLine(quint8(channel), text);
    }
    if (!itsAllBad)
        return;
    SetCalibrating(false);
    const int answer = TApplication::Instance()->MessageBox(
        QStringLiteral("Total A/D failure. The card may not be installed, or it may be installed "
                       "at a different base address."),
        QStringLiteral("Total A/D failure"), FailureFlags);
    if (answer == IDRETRY)
        SetCalibrating(true);
    else
        StopCalibration();
}

void TSetupSupporter::ShowChannelLine(quint8 Channel, const QString& Text)
{
    const QString line = QStringLiteral("Channel ") + QString::number(Channel) + u'\t' + Text;
    for (qsizetype index = 0; index < FChannelDisplays.size(); ++index) {
        const QPointer<QPlainTextEdit>* variable = FChannelDisplays.at(index).DisplayControl;
        if (QPlainTextEdit* display = variable ? variable->data() : nullptr)
            ReplaceLine(display, Channel, line);
    }
}

void TSetupSupporter::StopCalibration()
{
    if (FChangeButtons) {
        for (qsizetype index = 0; index < FChannelDisplays.size(); ++index) {
            const QPointer<QPushButton>* variable = FChannelDisplays.at(index).CalibButton;
            QPushButton* button = variable ? variable->data() : nullptr;
            if (!button)
                continue;
            QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
            if (const TNotifyEvent handler = FOnStartButtonClick)
                connect(button, &QAbstractButton::clicked, button,
                        [handler, button] { handler(button); });
            button->setText(QStringLiteral("Start"));
        }
    }
    SetCalibrating(false);
}
