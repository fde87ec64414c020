#include "components/SetupSupporter.h"
#include "platform/Application.h"
#include "platform/ContentLoader.h"
#include "platform/Exceptions.h"
#include "platform/Form.h"
#include "platform/HiddenWindow.h"
#include "platform/Label.h"
#include "platform/MainMenu.h"
#include "support/RunLoop.h"
#include "support/TestMain.h"

#include <QEventLoop>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMetaProperty>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

// A window whose content names handlers of the supporter's event types.
class TSupporterHost : public TForm
{
    Q_OBJECT

public:
    Q_INVOKABLE QString CardText(QObject* Sender, int CardIndex)
    {
        CardSender = Sender;
        return QStringLiteral("card %1").arg(CardIndex);
    }
    Q_INVOKABLE QString ChannelText(QObject* Sender, quint8 Channel, bool& ItsAllBad)
    {
        CalibSender = Sender;
        ItsAllBad = false;
        return QStringLiteral("channel %1").arg(Channel);
    }
    Q_INVOKABLE void Clicked(QObject* /*Sender*/) {}
    Q_INVOKABLE void NoText(QObject* /*Sender*/, int /*CardIndex*/) {}

    QObject* CardSender = nullptr;
    QObject* CalibSender = nullptr;
};

namespace {

// A main window with a supporter on it, as the window content makes them.
struct TFixture
{
    std::unique_ptr<TForm> Main = std::make_unique<TForm>();
    TSetupSupporter* Sup = new TSetupSupporter(Main.get());

    TFixture()
    {
        Sup->setObjectName(QStringLiteral("SetSup"));
        Sup->SetCompanyName(QStringLiteral("Quorvan"));
        Sup->SetCardNameA(QStringLiteral("KX-2040"));
        Sup->SetCardNameB(QStringLiteral("KX-2040"));
    }
    ~TFixture() { TApplication::Instance()->OnIdle = nullptr; }

    bool TimerRunning() const { return Sup->WindowHandle()->TimerActive(TSetupSupporter::TimerId); }

    // Hooks the build into the idle event as the main window's creation handler does. The
    // hook waits for the main window's own first paint, which a window shows around its
    // menu bar.
    void HookIdle()
    {
        auto* menu = new TMainMenu(Main.get());
        auto* file = new TMenuItem(menu);
        file->SetCaption(QStringLiteral("&File"));
        menu->Add(file);
        Main->SetMenu(menu);
        QPointer<TSetupSupporter> supporter = Sup;
        TApplication::Instance()->OnIdle = [supporter](QObject* Sender, bool& Done) {
            if (supporter)
                supporter->AppIdle(Sender, Done);
        };
    }

    int Count(const QString& Name) const { return int(Main->findChildren<QObject*>(Name).size()); }
};

int NoTimer(QObject* /*Window*/, int /*Interval*/)
{
    return 0;
}

void RunLoopFor(int Duration)
{
    RunLoopUntil([] { return false; }, Duration);
}

} // namespace

class TSetupSupporterTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void CreationValues_data();
    void CreationValues();
    void ContentNamesHandlersOfBothEventTypes();
    void ContentRejectsHandlerOfWrongShape();

    void HeaderTexts_data();
    void HeaderTexts();
    void HeaderLabelSpansTopOfMainWindow();
    void FontsOfAnotherDesktopAreSubstituted_data();
    void FontsOfAnotherDesktopAreSubstituted();
    void BuildNeedsMainWindow();

    void InstructionsAppearAtFirstTickAfterBuild();
    void BeginCalibAssignedWhileIdleLeavesTimerOff();
    void DestroyedBeforeFirstTickShowsNothing();
    void BuildRunsOnceAlthoughIdleRecurs();
    void FailingTimerStartIsReported();

    void CloseButtonClickHidesWindowOfControl();
};

void TSetupSupporterTest::init()
{
    TMessageLog::Instance().Clear();
}

void TSetupSupporterTest::CreationValues_data()
{
    QTest::addColumn<QString>("Property");
    QTest::addColumn<QVariant>("Expected");

    QTest::newRow("CompanyName") << "CompanyName" << QVariant(QString());
    QTest::newRow("CardNameA") << "CardNameA" << QVariant(QString());
    QTest::newRow("CardNameB") << "CardNameB" << QVariant(QString());
    QTest::newRow("UseCardNameB") << "UseCardNameB" << QVariant(false);
    QTest::newRow("CallHow") << "CallHow" << QVariant(QString());
    QTest::newRow("MultiPort") << "MultiPort" << QVariant(false);
    QTest::newRow("Channels") << "Channels" << QVariant::fromValue(uchar(8));
    QTest::newRow("ChangeButtons") << "ChangeButtons" << QVariant(true);
    QTest::newRow("bSeries") << "bSeries" << QVariant(true);
}

void TSetupSupporterTest::CreationValues()
{
    QFETCH(QString, Property);
    QFETCH(QVariant, Expected);

    TSetupSupporter supporter;
    const QMetaObject* meta = supporter.metaObject();
    const int index = meta->indexOfProperty(Property.toLatin1().constData());
    QVERIFY2(index >= 0, "not a published property");
    QCOMPARE(meta->property(index).read(&supporter), Expected);
    QVERIFY2(!supporter.WindowHandle()->TimerActive(TSetupSupporter::TimerId),
             "the timer must not run before the build");
    QVERIFY(!supporter.Calibrating());
    QVERIFY(!supporter.HelpForm() && !supporter.TechForm() && !supporter.PCIForm());
}

void TSetupSupporterTest::ContentNamesHandlersOfBothEventTypes()
{
    TSupporterHost host;
    QStringList errors;
    TContentLoader(&host, [&errors](const Exception& Error) {
        errors << Error.Message();
    }).Load(R"({"class": "TSupporterHost", "components": [
                  {"name": "SetSup", "class": "TSetupSupporter", "properties": [
                    ["Channels", 4], ["bSeries", false],
                    ["OnGetCardString", {"handler": "CardText"}],
                    ["OnGetCalibString", {"handler": "ChannelText"}],
                    ["OnStartButtonClick", {"handler": "Clicked"}]]}]})");
    QCOMPARE(errors, QStringList());
    auto* supporter = host.findChild<TSetupSupporter*>(QStringLiteral("SetSup"));
    QVERIFY(supporter);
    QCOMPARE(supporter->Channels(), uchar(4));
    QVERIFY(!supporter->bSeries());
    QVERIFY(supporter->GetOnStartButtonClick());

    QVERIFY(supporter->GetOnGetCardString());
    QCOMPARE(supporter->GetOnGetCardString()(supporter, 3), QStringLiteral("card 3"));
    QCOMPARE(host.CardSender, supporter);

    bool itsAllBad = true;
    QVERIFY(supporter->GetOnGetCalibString());
    QCOMPARE(supporter->GetOnGetCalibString()(supporter, quint8(200), itsAllBad),
             QStringLiteral("channel 200"));
    QVERIFY2(!itsAllBad, "the handler's change of ItsAllBad must reach the caller");
    QCOMPARE(host.CalibSender, supporter);
}

void TSetupSupporterTest::ContentRejectsHandlerOfWrongShape()
{
    TSupporterHost host;
    QStringList errors;
    TContentLoader(&host, [&errors](const Exception& Error) {
        errors << Error.Message();
    }).Load(R"({"class": "TSupporterHost", "components": [
                  {"name": "SetSup", "class": "TSetupSupporter", "properties": [
                    ["OnGetCardString", {"handler": "NoText"}],
                    ["OnGetCalibString", {"handler": "Clicked"}]]}]})");
    QCOMPARE(errors.size(), 2);
    QCOMPARE(errors.at(0),
             QStringLiteral("Error reading SetSup.OnGetCardString: method NoText does not "
                            "return a text"));
    QCOMPARE(errors.at(1),
             QStringLiteral("Error reading SetSup.OnGetCalibString: method Clicked not found"));
    auto* supporter = host.findChild<TSetupSupporter*>(QStringLiteral("SetSup"));
    QVERIFY(!supporter->GetOnGetCardString() && !supporter->GetOnGetCalibString());
}

void TSetupSupporterTest::HeaderTexts_data()
{
    QTest::addColumn<QString>("CardNameA");
    QTest::addColumn<QString>("CardNameB");
    QTest::addColumn<bool>("UseCardNameB");
    QTest::addColumn<bool>("Series");
    // Without the driver library a card handler finds no card.
    QTest::addColumn<bool>("CardHandler");
    QTest::addColumn<QString>("Header");

    QTest::newRow("found") << "KX-2040"
                           << "KX-B" << false << true << false << "KX-2040 Series Settings Program";
    QTest::newRow("not found") << "KX-2040"
                               << "KX-B" << false << true << true << "No KX-2040 Series Card Found";
    QTest::newRow("no series, found")
        << "KX-2040"
        << "KX-B" << false << false << false << "KX-2040 Settings Program";
    QTest::newRow("no series, not found") << "KX-2040"
                                          << "KX-B" << false << false << true << "No KX-2040 Found";
    QTest::newRow("card name B") << "KX-A"
                                 << "KX-2040" << true << true << false
                                 << "KX-2040 Series Settings Program";
    QTest::newRow("card name B, not found")
        << "KX-A"
        << "KX-2040" << true << true << true << "No KX-2040 Series Card Found";
    QTest::newRow("empty card name")
        << ""
        << "KX-B" << false << true << false << " Series Settings Program";
}

void TSetupSupporterTest::HeaderTexts()
{
    QFETCH(QString, CardNameA);
    QFETCH(QString, CardNameB);
    QFETCH(bool, UseCardNameB);
    QFETCH(bool, Series);
    QFETCH(bool, CardHandler);
    QFETCH(QString, Header);

    TFixture fixture;
    fixture.Sup->SetCardNameA(CardNameA);
    fixture.Sup->SetCardNameB(CardNameB);
    fixture.Sup->SetUseCardNameB(UseCardNameB);
    fixture.Sup->SetbSeries(Series);
    if (CardHandler)
        fixture.Sup->SetOnGetCardString([](QObject*, int) { return QStringLiteral("card"); });
    fixture.Sup->BuildWindows();

    QVERIFY(fixture.Sup->HeaderLabel());
    QCOMPARE(fixture.Sup->HeaderLabel()->Caption(), Header);
    QCOMPARE(fixture.Sup->HeaderLabel(),
             fixture.Main->findChild<TLabel*>(QStringLiteral("HeaderLabel")));
    QCOMPARE(bool(fixture.Sup->PCIForm()), CardHandler);
    QCOMPARE(TMessageLog::Instance().Texts(), QStringList());
}

void TSetupSupporterTest::HeaderLabelSpansTopOfMainWindow()
{
    TFixture fixture;
    fixture.Main->SetClientSize(900, 700);
    fixture.Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.Main.get()));
    fixture.Sup->BuildWindows();

    TLabel* label = fixture.Sup->HeaderLabel();
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), fixture.Main->Client());
    QVERIFY(label->isVisible());
    QCOMPARE(label->Alignment(), Platform::taCenter);
    QCOMPARE(label->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(label->font().pointSize(), 18);
    QVERIFY(label->font().bold());
    QVERIFY2(QFontInfo(label->font()).family().startsWith(QLatin1String("DejaVu Sans")),
             qPrintable(QFontInfo(label->font()).family()));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    const int textHeight = label->fontMetrics().height();
    QCOMPARE(label->geometry(), QRect(0, 0, 900, textHeight));

    fixture.Main->SetClientSize(1100, 600);
    QTRY_COMPARE(label->geometry(), QRect(0, 0, 1100, textHeight));
}

void TSetupSupporterTest::FontsOfAnotherDesktopAreSubstituted_data()
{
    QTest::addColumn<QString>("Family");
    QTest::addColumn<QString>("Substitute");

    QTest::newRow("Tahoma") << "Tahoma"
                            << "DejaVu Sans Condensed";
    QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                   << "DejaVu Sans Condensed";
    QTest::newRow("Verdana") << "Verdana"
                             << "DejaVu Sans";
}

void TSetupSupporterTest::FontsOfAnotherDesktopAreSubstituted()
{
    QFETCH(QString, Family);
    QFETCH(QString, Substitute);

    const QString text = QStringLiteral("KX-2040 Series Settings Program");
    for (const int size : {8, 12, 18}) {
        const QFont font(Family, size, QFont::Bold);
        const QFont substitute(Substitute, size, QFont::Bold);
        QCOMPARE(QFontMetrics(font).horizontalAdvance(text),
                 QFontMetrics(substitute).horizontalAdvance(text));
        QCOMPARE(QFontMetrics(font).height(), QFontMetrics(substitute).height());
    }
    // The two substitutes differ, so the comparison above tells them apart.
    QVERIFY(
        QFontMetrics(QFont(QStringLiteral("DejaVu Sans"), 18)).horizontalAdvance(text) >
        QFontMetrics(QFont(QStringLiteral("DejaVu Sans Condensed"), 18)).horizontalAdvance(text));
}

void TSetupSupporterTest::BuildNeedsMainWindow()
{
    QVERIFY2(!TApplication::Instance()->MainForm(), "an earlier case left a window behind");
    TSetupSupporter supporter;
    QVERIFY_THROWS_EXCEPTION(Exception, supporter.BuildWindows());
    QVERIFY(!supporter.HeaderLabel() && !supporter.HelpForm() && !supporter.TechForm());
    QVERIFY(!supporter.WindowHandle()->TimerActive(TSetupSupporter::TimerId));
}

void TSetupSupporterTest::InstructionsAppearAtFirstTickAfterBuild()
{
    TFixture fixture;
    fixture.Sup->BuildWindows();
    THelpForm* help = fixture.Sup->HelpForm();
    QVERIFY(help);
    QVERIFY2(!help->isVisible(), "the build itself must not show the instructions");
    QVERIFY2(fixture.TimerRunning(), "the build must arm the timer");

    QTRY_VERIFY2(help->isVisible(), "the first tick must show the instructions");
    QVERIFY2(!fixture.TimerRunning(), "the timer must stop after the first tick");
    QVERIFY2(!fixture.Sup->TechForm()->isVisible(), "only the instructions are shown");

    // A tick that finds nothing pending is a calibration step; none is wanted here.
    TMessageLog::Instance().Clear();
    help->hide();
    fixture.Sup->WindowHandle()->Perform(WM_TIMER, TSetupSupporter::TimerId, 0);
    QVERIFY(!help->isVisible());
}

void TSetupSupporterTest::BeginCalibAssignedWhileIdleLeavesTimerOff()
{
    TFixture fixture;
    int calls = 0;
    fixture.Sup->SetOnBeginCalib([&calls](QObject*) { ++calls; });
    QVERIFY(!fixture.TimerRunning());

    fixture.Sup->BuildWindows();
    fixture.Sup->SetOnBeginCalib(nullptr);
    QVERIFY2(fixture.TimerRunning(), "a pending show keeps the timer");
    QTRY_VERIFY(fixture.Sup->HelpForm()->isVisible());
    fixture.Sup->SetOnBeginCalib([&calls](QObject*) { ++calls; });
    QVERIFY(!fixture.TimerRunning());
    QTest::qWait(3 * TSetupSupporter::TimerPeriod);
    QCOMPARE(calls, 0);
}

void TSetupSupporterTest::DestroyedBeforeFirstTickShowsNothing()
{
    TFixture fixture;
    fixture.Sup->BuildWindows();
    QPointer<THelpForm> help = fixture.Sup->HelpForm();
    QVERIFY(fixture.TimerRunning());
    delete fixture.Sup;

    QTest::qWait(3 * TSetupSupporter::TimerPeriod);
    QVERIFY2(help, "the windows belong to the main window");
    QVERIFY(!help->isVisible());
}

void TSetupSupporterTest::BuildRunsOnceAlthoughIdleRecurs()
{
    TFixture fixture;
    fixture.HookIdle();
    fixture.Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.Main.get()));

    QVERIFY2(RunLoopUntil([&fixture] { return fixture.Sup->HelpForm() != nullptr; }),
             "the first idle moment must build the windows");
    QVERIFY2(!TApplication::Instance()->OnIdle, "the hook must remove itself");
    QVERIFY(RunLoopUntil([&fixture] { return fixture.Sup->HelpForm()->isVisible(); }));
    // Idle moments come after every burst of events.
    for (int i = 0; i < 5; ++i) {
        QTest::mouseMove(fixture.Main.get(), QPoint(10 + i, 10 + i));
        RunLoopFor(20);
    }
    QCOMPARE(fixture.Count(QStringLiteral("HeaderLabel")), 1);
    QCOMPARE(fixture.Count(QStringLiteral("HelpForm")), 1);
    QCOMPARE(fixture.Count(QStringLiteral("TechForm")), 1);
    QCOMPARE(TMessageLog::Instance().Texts(), QStringList());
}

void TSetupSupporterTest::FailingTimerStartIsReported()
{
    TFixture fixture;
    fixture.Sup->WindowHandle()->SetTimerStarter(NoTimer);
    fixture.HookIdle();
    fixture.Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.Main.get()));

    QVERIFY(RunLoopUntil([] { return !TMessageLog::Instance().Entries().isEmpty(); }));
    QCOMPARE(TMessageLog::Instance().Texts(),
             QStringList{QStringLiteral("Not enough timers available")});
    const TMessageLog::TEntry report = TMessageLog::Instance().Entries().first();
    QCOMPARE(report.Caption, QStringLiteral("Settings"));
    QCOMPARE(report.Flags, MB_OK | MB_ICONHAND);
    // The build got as far as the timer: everything before it stays.
    QCOMPARE(fixture.Sup->HeaderLabel()->Caption(),
             QStringLiteral("KX-2040 Series Settings Program"));
    QVERIFY(!TApplication::Instance()->OnIdle);

    RunLoopFor(3 * TSetupSupporter::TimerPeriod);
    QVERIFY2(!fixture.Sup->HelpForm()->isVisible(), "nothing was left to show the instructions");
    QCOMPARE(fixture.Count(QStringLiteral("HelpForm")), 1);
    QCOMPARE(TMessageLog::Instance().Entries().size(), 1);
}

void TSetupSupporterTest::CloseButtonClickHidesWindowOfControl()
{
    TFixture fixture;
    fixture.Sup->BuildWindows();
    TTechForm* tech = fixture.Sup->TechForm();
    tech->show();
    QVERIFY(QTest::qWaitForWindowExposed(tech));

    QObject notAControl;
    QVERIFY_THROWS_EXCEPTION(EInvalidCast, fixture.Sup->CloseButtonClick(&notAControl));
    QVERIFY(tech->isVisible());

    fixture.Sup->CloseButtonClick(tech->CloseButton);
    QVERIFY(!tech->isVisible());
    QVERIFY2(fixture.Sup->TechForm() == tech, "a hidden window lives on");
}

SETTINGS_TEST_MAIN(TSetupSupporterTest)
#include "tst_setupsupporter.moc"
