#include "app/MainForm.h"

#include "components/BoardHighlight.h"
#include "components/BoardImage.h"
#include "components/RadioPanel.h"
#include "components/SetupSupporter.h"
#include "components/ThreeJumper.h"
#include "platform/Application.h"
#include "platform/ContentLoader.h"
#include "platform/Exceptions.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/MainMenu.h"
#include "platform/RadioButton.h"
#include "platform/RadioGroup.h"

namespace {

void ReportContentError(const Exception& Error)
{
    if (auto* application = TApplication::Instance())
        application->HandleException(nullptr, Error);
    else
        qWarning("%s", Error.what());
}

} // namespace

TMainForm::TMainForm(const QString& Content)
{
    try {
        TContentLoader(this, ReportContentError).LoadFromFile(Content);
    } catch (const Exception& error) {
        ReportContentError(error);
    }
    FindContentComponents();
    DoCreate();
}

TMainForm::~TMainForm() = default;

QString TMainForm::DefaultContent()
{
    return QStringLiteral(":/content/MainForm.json");
}

void TMainForm::FindContentComponents()
{
    const auto find = [this](auto*& Field, const char* Name) {
        Field = qobject_cast<std::remove_reference_t<decltype(Field)>>(
            FindComponent(QLatin1String(Name)));
    };
    find(MainMenu1, "MainMenu1");
    find(File1, "File1");
    find(Exit2, "Exit2");
    find(Help1, "Help1");
    find(Howtousethisprogram1, "Howtousethisprogram1");
    find(TechnicalSupport1, "TechnicalSupport1");
    find(BoardImage1, "BoardImage1");
    find(SetSup, "SetSup");
    find(USBHighlight, "USBHighlight");
    find(DCINHighlight, "DCINHighlight");
    find(LedHighlight, "LedHighlight");
    find(SubUSBHighlight, "SubUSBHighlight");
    find(MainConnHighlight0, "MainConnHighlight0");
    find(MainConnHighlight1, "MainConnHighlight1");
    find(TTLHighlight0, "TTLHighlight0");
    find(TTLHighlight1, "TTLHighlight1");
    find(AnalogRangeHighlight, "AnalogRangeHighlight");
    find(USBPanel, "USBPanel");
    find(LEDPanel, "LEDPanel");
    find(DCINPanel, "DCINPanel");
    find(SubUSBPanel, "SubUSBPanel");
    find(MainConnPanel, "MainConnPanel");
    find(TTLPanel, "TTLPanel");
    find(AnalogRangePanel, "AnalogRangePanel");
    find(Image1, "Image1");
    find(Label1, "Label1");
    find(Label2, "Label2");
    find(Label3, "Label3");
    find(Label4, "Label4");
    find(Label5, "Label5");
    find(Label6, "Label6");
    find(TTLJumper0, "TTLJumper0");
    find(TTLJumper1, "TTLJumper1");
    find(RangeJumper0, "RangeJumper0");
    find(RangeJumper1, "RangeJumper1");
    find(TTLRadios0, "TTLRadios0");
    find(TTLRadios1, "TTLRadios1");
    find(B5Radio, "B5Radio");
    find(U10Radio, "U10Radio");
}

void TMainForm::FormCreate(QObject* /*Sender*/)
{
    auto* application = TApplication::Instance();
    if (!application || !SetSup)
        return;
    QPointer<TSetupSupporter> supporter = SetSup;
    application->OnIdle = [supporter](QObject* Sender, bool& Done) {
        if (supporter)
            supporter->AppIdle(Sender, Done);
    };
}

void TMainForm::Exit2Click(QObject* /*Sender*/)
{
    close();
}

void TMainForm::Howtousethisprogram1Click(QObject* /*Sender*/)
{
    if (SetSup && SetSup->HelpForm())
        SetSup->HelpForm()->setVisible(true);
}

void TMainForm::TechnicalSupport1Click(QObject* /*Sender*/)
{
    if (SetSup && SetSup->TechForm())
        SetSup->TechForm()->setVisible(true);
}

void TMainForm::Closehelpdialog1Click(QObject* /*Sender*/)
{
    if (SetSup && SetSup->HelpForm())
        SetSup->HelpForm()->setVisible(false);
}

void TMainForm::DisplayClick(QObject* /*Sender*/)
{
    if (SetSup && SetSup->PCIForm())
        SetSup->PCIForm()->setVisible(true);
}

void TMainForm::SyncLevel(TThreeJumper* Jumper, TRadioGroup* Radios)
{
    if (!Jumper || !Radios)
        return;
    switch (Jumper->JumperState()) {
    case TThreeJumper::jsLeft:
        Radios->SetItemIndex(1);
        break;
    case TThreeJumper::jsRight:
        Radios->SetItemIndex(0);
        break;
    default:
        // An open digital-level jumper reads as 5V.
        Jumper->SetJumperState(TThreeJumper::jsRight);
        Radios->SetItemIndex(0);
        break;
    }
}

void TMainForm::SyncJumper(TRadioGroup* Radios, TThreeJumper* Jumper)
{
    if (!Jumper || !Radios)
        return;
    switch (Radios->ItemIndex()) {
    case 0:
        Jumper->SetJumperState(TThreeJumper::jsRight);
        break;
    case 1:
        Jumper->SetJumperState(TThreeJumper::jsLeft);
        break;
    default:
        // No selection reads as the first item.
        Jumper->SetJumperState(TThreeJumper::jsRight);
        Radios->SetItemIndex(0);
        break;
    }
}

void TMainForm::TTLJumper0Click(QObject* /*Sender*/)
{
    SyncLevel(TTLJumper0, TTLRadios0);
}

void TMainForm::TTLJumper1Click(QObject* /*Sender*/)
{
    SyncLevel(TTLJumper1, TTLRadios1);
}

void TMainForm::TTLRadios0Click(QObject* /*Sender*/)
{
    SyncJumper(TTLRadios0, TTLJumper0);
}

void TMainForm::TTLRadios1Click(QObject* /*Sender*/)
{
    SyncJumper(TTLRadios1, TTLJumper1);
}

void TMainForm::RangeRadioClick(QObject* /*Sender*/)
{
    if (!B5Radio || !U10Radio || !RangeJumper0 || !RangeJumper1)
        return;
    if (B5Radio->Checked()) {
        RangeJumper0->SetJumperState(TThreeJumper::jsLeft);
        RangeJumper1->SetJumperState(TThreeJumper::jsLeft);
    } else if (U10Radio->Checked()) {
        RangeJumper0->SetJumperState(TThreeJumper::jsRight);
        RangeJumper1->SetJumperState(TThreeJumper::jsRight);
    } else {
        // Nothing chosen: settle on ±5V, as an open range jumper does; checking the
        // button runs this handler again, which moves both jumpers.
        B5Radio->SetChecked(true);
    }
}

void TMainForm::RangeJumperClick(QObject* Sender)
{
    auto* jumper = qobject_cast<TThreeJumper*>(Sender);
    if (!jumper)
        throw EInvalidCast();
    if (!B5Radio || !U10Radio || !RangeJumper0 || !RangeJumper1)
        return;
    TThreeJumper::TJumperState state = jumper->JumperState();
    if (state != TThreeJumper::jsLeft && state != TThreeJumper::jsRight)
        state = TThreeJumper::jsLeft;
    RangeJumper0->SetJumperState(state);
    RangeJumper1->SetJumperState(state);
    if (state == TThreeJumper::jsLeft)
        B5Radio->SetChecked(true);
    else
        U10Radio->SetChecked(true);
}
