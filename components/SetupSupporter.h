#pragma once

#include "components/ChannelDisplay.h"
// Complete types, so that whoever asks for a window can show it.
#include "components/HelpForm.h"
#include "components/PCIForm.h"
#include "components/TechForm.h"
#include "platform/Types.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class TForm;
class THiddenWindow;
class TLabel;
struct TMessage;

// Text of one installed card, by zero-based card number.
using TPCIEvent = std::function<QString(QObject* Sender, int CardIndex)>;
Q_DECLARE_METATYPE(TPCIEvent)
// Text of one channel during calibration; clearing ItsAllBad reports a usable reading.
using TCalibEvent = std::function<QString(QObject* Sender, quint8 Channel, bool& ItsAllBad)>;
Q_DECLARE_METATYPE(TCalibEvent)

// Carries the board's wording and builds, at the first idle moment, the header label on the
// main window, the instructions and technical support windows and, with a card-text
// handler, the installed-cards window. Its hidden window's timer shows the instructions
// once and drives the calibration cycle.
class TSetupSupporter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString CompanyName READ CompanyName WRITE SetCompanyName)
    Q_PROPERTY(QString CardNameA READ CardNameA WRITE SetCardNameA)
    Q_PROPERTY(QString CardNameB READ CardNameB WRITE SetCardNameB)
    Q_PROPERTY(bool UseCardNameB READ UseCardNameB WRITE SetUseCardNameB)
    Q_PROPERTY(QString CallHow READ CallHow WRITE SetCallHow)
    Q_PROPERTY(bool MultiPort READ MultiPort WRITE SetMultiPort)
    Q_PROPERTY(uchar Channels READ Channels WRITE SetChannels)
    Q_PROPERTY(bool ChangeButtons READ ChangeButtons WRITE SetChangeButtons)
    Q_PROPERTY(bool bSeries READ bSeries WRITE SetbSeries)
    Q_PROPERTY(TNotifyEvent OnBeginCalib READ GetOnBeginCalib WRITE SetOnBeginCalib)
    Q_PROPERTY(TPCIEvent OnGetCardString READ GetOnGetCardString WRITE SetOnGetCardString)
    Q_PROPERTY(TCalibEvent OnGetCalibString READ GetOnGetCalibString WRITE SetOnGetCalibString)
    Q_PROPERTY(TNotifyEvent OnStopButtonClick READ GetOnStopButtonClick WRITE SetOnStopButtonClick)
    Q_PROPERTY(
        TNotifyEvent OnStartButtonClick READ GetOnStartButtonClick WRITE SetOnStartButtonClick)

public:
    // The hidden window's one timer and its period in milliseconds.
    static constexpr unsigned TimerId = 1;
    static constexpr int TimerPeriod = 100;
    // The channel display list is walked with an 8-bit index.
    static constexpr int MaxChannelDisplays = 256;

    explicit TSetupSupporter(QObject* Owner = nullptr);
    ~TSetupSupporter() override;

    // Lets window content name handlers of the two event types of this class.
    static void RegisterEventTypes();

    void AppIdle(QObject* Sender, bool& Done);
    void BuildWindows();
    void CloseButtonClick(QObject* Sender);
    void ShowPCIForm(QObject* Sender);
    void WndProc(TMessage& Message);
    void UpdateTimer();
    void TimerTick();

    // The calibration cycle: appending a display (at most MaxChannelDisplays) and starting
    // the cycle with SetCalibrating(true) are all a program needs.
    void AddChannelDisplay(const TChannelDisplay& Entry);
    const QList<TChannelDisplay>& ChannelDisplays() const { return FChannelDisplays; }
    bool Calibrating() const { return FCalibrating; }
    void SetCalibrating(bool Value);
    void CalibrationStep();
    void ShowChannelLine(quint8 Channel, const QString& Text);
    void StopCalibration();

    // The card name of every text: CardNameB when UseCardNameB, else CardNameA.
    QString CardName() const { return FUseCardNameB ? FCardNameB : FCardNameA; }
    // The header's caption for the card name, with or without a card found.
    static QString HeaderCaption(const QString& CardName, bool Series, bool Found);

    TLabel* HeaderLabel() const;
    THelpForm* HelpForm() const;
    TTechForm* TechForm() const;
    TPCIForm* PCIForm() const;
    THiddenWindow* WindowHandle() const { return FWindowHandle.get(); }

    QString CompanyName() const { return FCompanyName; }
    void SetCompanyName(const QString& Value) { FCompanyName = Value; }
    QString CardNameA() const { return FCardNameA; }
    void SetCardNameA(const QString& Value) { FCardNameA = Value; }
    QString CardNameB() const { return FCardNameB; }
    void SetCardNameB(const QString& Value) { FCardNameB = Value; }
    bool UseCardNameB() const { return FUseCardNameB; }
    void SetUseCardNameB(bool Value) { FUseCardNameB = Value; }
    QString CallHow() const { return FCallHow; }
    void SetCallHow(const QString& Value) { FCallHow = Value; }
    bool MultiPort() const { return FMultiPort; }
    void SetMultiPort(bool Value) { FMultiPort = Value; }
    uchar Channels() const { return FChannels; }
    void SetChannels(uchar Value) { FChannels = Value; }
    bool ChangeButtons() const { return FChangeButtons; }
    void SetChangeButtons(bool Value) { FChangeButtons = Value; }
    bool bSeries() const { return FbSeries; }
    void SetbSeries(bool Value) { FbSeries = Value; }

    TNotifyEvent GetOnBeginCalib() const { return FOnBeginCalib; }
    void SetOnBeginCalib(const TNotifyEvent& Value);
    TPCIEvent GetOnGetCardString() const { return FOnGetCardString; }
    void SetOnGetCardString(const TPCIEvent& Value) { FOnGetCardString = Value; }
    TCalibEvent GetOnGetCalibString() const { return FOnGetCalibString; }
    void SetOnGetCalibString(const TCalibEvent& Value) { FOnGetCalibString = Value; }
    TNotifyEvent GetOnStopButtonClick() const { return FOnStopButtonClick; }
    void SetOnStopButtonClick(const TNotifyEvent& Value) { FOnStopButtonClick = Value; }
    TNotifyEvent GetOnStartButtonClick() const { return FOnStartButtonClick; }
    void SetOnStartButtonClick(const TNotifyEvent& Value) { FOnStartButtonClick = Value; }

private:
    void BuildHeaderLabel(TForm* MainForm);
    void BuildHelpForm(TForm* MainForm, const QString& Card);
    void BuildTechForm(TForm* MainForm);
    bool BuildPCIForm(TForm* MainForm, const QString& Card);
    void AddDisplayEntry(TForm* MainForm, const QString& Card);
    TNotifyEvent CloseHandler();

    QString FCompanyName;
    QString FCardNameA;
    QString FCardNameB;
    bool FUseCardNameB = false;
    QString FCallHow;
    bool FMultiPort = false;
    uchar FChannels = 8;
    bool FChangeButtons = true;
    bool FbSeries = true;
    TNotifyEvent FOnBeginCalib;
    TPCIEvent FOnGetCardString;
    TCalibEvent FOnGetCalibString;
    TNotifyEvent FOnStopButtonClick;
    TNotifyEvent FOnStartButtonClick;

    bool FShowHelpPending = false;
    bool FCalibrating = false;
    std::unique_ptr<THiddenWindow> FWindowHandle;
    QPointer<TLabel> FHeaderLabel;
    QPointer<TPCIForm> FPCIForm;
    QPointer<THelpForm> FHelpForm;
    QPointer<TTechForm> FTechForm;
    QList<TChannelDisplay> FChannelDisplays;
};
