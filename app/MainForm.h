#pragma once

#include "platform/Form.h"

class TBoardHighlight;
class TBoardImage;
class TImage;
class TLabel;
class TMainMenu;
class TMenuItem;
class TRadioButton;
class TRadioGroup;
class TRadioPanel;
class TSetupSupporter;
class TThreeJumper;

// The "Setup" window: everything it shows is its content; its own code hooks the setup
// supporter into the idle event, handles the menu, and keeps the option buttons and
// the jumper drawings in step.
class TMainForm : public TForm
{
    Q_OBJECT

public:
    // Content is a file or resource path; the program's own content by default.
    explicit TMainForm(const QString& Content = DefaultContent());
    ~TMainForm() override;

    static QString DefaultContent();

    Q_INVOKABLE void FormCreate(QObject* Sender);
    Q_INVOKABLE void Exit2Click(QObject* Sender);
    Q_INVOKABLE void Howtousethisprogram1Click(QObject* Sender);
    Q_INVOKABLE void TechnicalSupport1Click(QObject* Sender);
    Q_INVOKABLE void Closehelpdialog1Click(QObject* Sender);
    Q_INVOKABLE void DisplayClick(QObject* Sender);
    Q_INVOKABLE void TTLJumper0Click(QObject* Sender);
    Q_INVOKABLE void TTLJumper1Click(QObject* Sender);
    Q_INVOKABLE void TTLRadios0Click(QObject* Sender);
    Q_INVOKABLE void TTLRadios1Click(QObject* Sender);
    Q_INVOKABLE void RangeRadioClick(QObject* Sender);
    Q_INVOKABLE void RangeJumperClick(QObject* Sender);

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;
    TBoardImage* BoardImage1 = nullptr;
    TSetupSupporter* SetSup = nullptr;
    TBoardHighlight* USBHighlight = nullptr;
    TBoardHighlight* DCINHighlight = nullptr;
    TBoardHighlight* LedHighlight = nullptr;
    TBoardHighlight* SubUSBHighlight = nullptr;
    TBoardHighlight* MainConnHighlight0 = nullptr;
    TBoardHighlight* MainConnHighlight1 = nullptr;
    TBoardHighlight* TTLHighlight0 = nullptr;
    TBoardHighlight* TTLHighlight1 = nullptr;
    TBoardHighlight* AnalogRangeHighlight = nullptr;
    TRadioPanel* USBPanel = nullptr;
    TRadioPanel* LEDPanel = nullptr;
    TRadioPanel* DCINPanel = nullptr;
    TRadioPanel* SubUSBPanel = nullptr;
    TRadioPanel* MainConnPanel = nullptr;
    TRadioPanel* TTLPanel = nullptr;
    TRadioPanel* AnalogRangePanel = nullptr;
    TImage* Image1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TThreeJumper* TTLJumper0 = nullptr;
    TThreeJumper* TTLJumper1 = nullptr;
    TThreeJumper* RangeJumper0 = nullptr;
    TThreeJumper* RangeJumper1 = nullptr;
    TRadioGroup* TTLRadios0 = nullptr;
    TRadioGroup* TTLRadios1 = nullptr;
    TRadioButton* B5Radio = nullptr;
    TRadioButton* U10Radio = nullptr;

private:
    void FindContentComponents();
    static void SyncLevel(TThreeJumper* Jumper, TRadioGroup* Radios);
    static void SyncJumper(TRadioGroup* Radios, TThreeJumper* Jumper);
};
