#include "components/SetupSupporter.h"
#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/HiddenWindow.h"
#include "platform/Message.h"
#include "support/TestMain.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// How the channel handler answers.
enum THandler
{
    hNone,     // OnGetCalibString unassigned
    hAllBad,   // every channel leaves ItsAllBad alone
    hClearOn1, // channel 1 reports a usable reading
    hThrowOn2, // channel 2 raises an exception
};

const QString FailureText = QStringLiteral(
    "Total A/D failure. The card may not be installed, or it may be installed at a different "
    "base address.");
const QString FailureCaption = QStringLiteral("Total A/D failure");
const QString NotAssignedText =
    QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned.");
const QString NotAssignedCaption = QStringLiteral("OnGetCalibString Not Assigned");
constexpr unsigned NotAssignedFlags = 327728;
constexpr unsigned FailureFlags = 327989;

// A channel window as a program would have it: a display, a button and a control hidden
// during calibration, held in variables that the supporter's entries point at.
struct TChannelWindow
{
    std::unique_ptr<QWidget> Window = std::make_unique<QWidget>();
    QPointer<QPlainTextEdit> Display = new QPlainTextEdit(Window.get());
    QPointer<QPushButton> Button = new QPushButton(QStringLiteral("Stop"), Window.get());
    QPointer<QWidget> Hidden = new QWidget(Window.get());
    int StopClicks = 0;

    explicit TChannelWindow(int Lines)
    {
        QStringList lines;
        for (int i = 0; i < Lines; ++i)
            lines << QStringLiteral("old %1").arg(i);
        Display->setPlainText(lines.join(u'\n'));
        QObject::connect(Button, &QPushButton::clicked, Button, [this] { ++StopClicks; });
        Window->show();
    }

    TChannelDisplay Entry() { return {&Display, &Button, &Hidden}; }
    QStringList Lines() const { return Display->toPlainText().split(u'\n'); }
};

// The lines a display holds after a step over Channels of handler texts, on a display
// that had Lines lines.
QStringList ExpectedLines(int Channels, int Lines, int Written)
{
    QStringList lines;
    for (int i = 0; i < Lines; ++i)
        lines << (i < qMin(Channels, Written) ? QStringLiteral("Channel %1\ttext %1").arg(i)
                                              : QStringLiteral("old %1").arg(i));
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(THandler)

class TCalibrationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void Steps_data();
    void Steps();
    void RunsOnTheTimerUntilCancelled();
    void RetryWithoutTimerIsReported();
    void DisplaysAreLookedUpAtEveryUse();
    void AtMost256Displays();
};

void TCalibrationTest::init()
{
    // A case may answer the boxes itself.
    TMessageLog::Instance().Install();
    TMessageLog::Instance().Clear();
}

void TCalibrationTest::Steps_data()
{
    QTest::addColumn<int>("Channels");
    QTest::addColumn<bool>("WithDisplays");
    QTest::addColumn<bool>("ChangeButtons");
    QTest::addColumn<bool>("StartHandler");
    QTest::addColumn<THandler>("Handler");
    QTest::addColumn<QList<int>>("Answers");
    QTest::addColumn<int>("Ticks");
    // What the message boxes said, one "caption" per box; the exception report's caption is
    // the program's name.
    QTest::addColumn<QStringList>("Boxes");
    QTest::addColumn<bool>("Calibrating");
    // Per channel window: the button's caption after the steps.
    QTest::addColumn<QString>("ButtonCaption");
    // How many lines of each display the last step wrote.
    QTest::addColumn<int>("Written");

    const QList<int> cancel{IDCANCEL};
    QTest::newRow("four channels, all bad, Cancel")
        << 4 << true << true << true << hAllBad << cancel << 1 << QStringList{FailureCaption}
        << false << "Start" << 4;
    QTest::newRow("no channels") << 0 << true << true << true << hAllBad << cancel << 1
                                 << QStringList{FailureCaption} << false << "Start" << 0;
    QTest::newRow("no displays") << 4 << false << true << true << hAllBad << cancel << 1
                                 << QStringList{FailureCaption} << false << "Stop" << 0;
    QTest::newRow("buttons left alone") << 4 << true << false << true << hAllBad << cancel << 1
                                        << QStringList{FailureCaption} << false << "Stop" << 4;
    QTest::newRow("start handler unassigned")
        << 4 << true << true << false << hAllBad << cancel << 1 << QStringList{FailureCaption}
        << false << "Start" << 4;
    QTest::newRow("one channel clears ItsAllBad")
        << 4 << true << true << true << hClearOn1 << QList<int>{} << 3 << QStringList{} << true
        << "Stop" << 4;
    QTest::newRow("Retry then Cancel")
        << 4 << true << true << true << hAllBad << QList<int>{IDRETRY, IDCANCEL} << 2
        << QStringList{FailureCaption, FailureCaption} << false << "Start" << 4;
    QTest::newRow("Retry keeps running")
        << 4 << true << true << true << hAllBad << QList<int>{IDRETRY} << 1
        << QStringList{FailureCaption} << true << "Stop" << 4;
    QTest::newRow("exception in a step")
        << 4 << true << true << true << hThrowOn2 << QList<int>{} << 2
        << QStringList{"Settings", "Settings"} << true << "Stop" << 2;
    QTest::newRow("channel handler unassigned")
        << 4 << true << true << true << hNone << QList<int>{} << 1
        << QStringList{NotAssignedCaption} << false << "Start" << 0;
}

void TCalibrationTest::Steps()
{
    QFETCH(int, Channels);
    QFETCH(bool, WithDisplays);
    QFETCH(bool, ChangeButtons);
    QFETCH(bool, StartHandler);
    QFETCH(THandler, Handler);
    QFETCH(QList<int>, Answers);
    QFETCH(int, Ticks);
    QFETCH(QStringList, Boxes);
    QFETCH(bool, Calibrating);
    QFETCH(QString, ButtonCaption);
    QFETCH(int, Written);

    TSetupSupporter supporter;
    supporter.SetChannels(uchar(Channels));
    supporter.SetChangeButtons(ChangeButtons);
    // Six lines in the first display, two in the second: lines it does not have stay away.
    TChannelWindow first(6);
    TChannelWindow second(2);
    if (WithDisplays) {
        supporter.AddChannelDisplay(first.Entry());
        supporter.AddChannelDisplay(second.Entry());
    }
    QList<QObject*> started;
    if (StartHandler)
        supporter.SetOnStartButtonClick([&started](QObject* Sender) { started << Sender; });
    int begun = 0;
    supporter.SetOnBeginCalib([&begun, &supporter](QObject* Sender) {
        QCOMPARE(Sender, &supporter);
        ++begun;
    });
    QList<int> asked;
    if (Handler != hNone) {
        supporter.SetOnGetCalibString(
            [&asked, &supporter, Handler](QObject* Sender, quint8 Channel, bool& ItsAllBad) {
                if (Sender != &supporter)
                    throw Exception(QStringLiteral("wrong sender"));
                asked << Channel;
                if (Handler == hThrowOn2 && Channel == 2)
                    throw Exception(QStringLiteral("channel 2 failed"));
                if (Handler == hClearOn1 && Channel == 1)
                    ItsAllBad = false;
                return QStringLiteral("text %1").arg(Channel);
            });
    }
    for (const int answer : std::as_const(Answers))
        TMessageLog::Instance().QueueAnswer(answer);

    supporter.SetCalibrating(true);
    QVERIFY(supporter.WindowHandle()->TimerActive(TSetupSupporter::TimerId));
    for (int tick = 0; tick < Ticks; ++tick)
        supporter.WindowHandle()->Perform(WM_TIMER, TSetupSupporter::TimerId, 0);

    QStringList boxes;
    for (const TMessageLog::TEntry& entry : TMessageLog::Instance().Entries()) {
        boxes << entry.Caption;
        if (entry.Caption == FailureCaption) {
            QCOMPARE(entry.Text, FailureText);
            QCOMPARE(entry.Flags, FailureFlags);
        } else if (entry.Caption == NotAssignedCaption) {
            QCOMPARE(entry.Text, NotAssignedText);
            QCOMPARE(entry.Flags, NotAssignedFlags);
        } else {
            QCOMPARE(entry.Text, QStringLiteral("channel 2 failed"));
        }
    }
    QCOMPARE(boxes, Boxes);
    QCOMPARE(supporter.Calibrating(), Calibrating);
    QCOMPARE(supporter.WindowHandle()->TimerActive(TSetupSupporter::TimerId), Calibrating);
    QCOMPARE(begun, Ticks);

    QList<int> perStep;
    for (int channel = 0; channel < Channels; ++channel) {
        perStep << channel;
        if (Handler == hThrowOn2 && channel == 2)
            break;
    }
    QList<int> expectedAsked;
    for (int tick = 0; tick < Ticks && Handler != hNone; ++tick)
        expectedAsked << perStep;
    QCOMPARE(asked, expectedAsked);

    QCOMPARE(first.Lines(), ExpectedLines(Channels, 6, WithDisplays ? Written : 0));
    QCOMPARE(second.Lines(), ExpectedLines(Channels, 2, WithDisplays ? Written : 0));
    const bool stepped = WithDisplays && Handler != hNone;
    QCOMPARE(first.Hidden->isHidden(), stepped);
    QCOMPARE(second.Hidden->isHidden(), stepped);

    for (TChannelWindow* window : {&first, &second}) {
        QCOMPARE(window->Button->text(), ButtonCaption);
        QTest::mouseClick(window->Button, Qt::LeftButton);
    }
    const bool reset = ButtonCaption == QLatin1String("Start");
    QCOMPARE(first.StopClicks + second.StopClicks, reset ? 0 : 2);
    const QList<QObject*> startedBy{first.Button.data(), second.Button.data()};
    QCOMPARE(started, reset && StartHandler ? startedBy : QList<QObject*>());
}

void TCalibrationTest::RunsOnTheTimerUntilCancelled()
{
    TSetupSupporter supporter;
    supporter.SetChannels(2);
    TChannelWindow window(2);
    supporter.AddChannelDisplay(window.Entry());
    int steps = 0;
    supporter.SetOnGetCalibString([&steps](QObject*, quint8 Channel, bool& ItsAllBad) {
        if (Channel == 0)
            ++steps;
        // Good readings for three steps, then nothing.
        if (steps <= 3)
            ItsAllBad = false;
        return QStringLiteral("text %1").arg(Channel);
    });
    // While the box is open, no step may start: the cycle is off and so is the timer.
    QStringList asking;
    TApplication::Instance()->SetResponder(
        [&asking, &supporter](const QString& Text, const QString&, unsigned) {
            asking << QStringLiteral("%1 calibrating %2 timer %3")
                          .arg(Text.left(17))
                          .arg(supporter.Calibrating())
                          .arg(supporter.WindowHandle()->TimerActive(TSetupSupporter::TimerId));
            return IDCANCEL;
        });

    supporter.SetCalibrating(true);
    QTRY_VERIFY(!supporter.Calibrating());
    QCOMPARE(steps, 4);
    QCOMPARE(asking, QStringList{"Total A/D failure calibrating 0 timer 0"});
    QCOMPARE(window.Button->text(), QStringLiteral("Start"));
    QVERIFY(!supporter.WindowHandle()->TimerActive(TSetupSupporter::TimerId));
    QTest::qWait(3 * TSetupSupporter::TimerPeriod);
    QCOMPARE(steps, 4);
}

void TCalibrationTest::RetryWithoutTimerIsReported()
{
    TSetupSupporter supporter;
    supporter.SetOnGetCalibString([](QObject*, quint8, bool&) { return QString(); });
    supporter.SetCalibrating(true);
    supporter.WindowHandle()->SetTimerStarter([](QObject*, int) { return 0; });
    TMessageLog::Instance().QueueAnswer(IDRETRY);

    supporter.WindowHandle()->Perform(WM_TIMER, TSetupSupporter::TimerId, 0);
    QCOMPARE(TMessageLog::Instance().Texts(),
             (QStringList{FailureText, QStringLiteral("Not enough timers available")}));
    // Retry asked for the cycle; only the timer is missing.
    QVERIFY(supporter.Calibrating());
    QVERIFY(!supporter.WindowHandle()->TimerActive(TSetupSupporter::TimerId));
}

void TCalibrationTest::DisplaysAreLookedUpAtEveryUse()
{
    TSetupSupporter supporter;
    supporter.SetChannels(1);
    supporter.SetOnGetCalibString([](QObject*, quint8, bool& ItsAllBad) {
        ItsAllBad = false;
        return QStringLiteral("reading");
    });
    QPointer<QPlainTextEdit> display;
    QPointer<QPushButton> button;
    QPointer<QWidget> hidden;
    supporter.AddChannelDisplay({&display, &button, &hidden});
    supporter.AddChannelDisplay({});
    supporter.SetCalibrating(true);

    // Nothing in the variables yet, and entries without variables: passed over.
    supporter.WindowHandle()->Perform(WM_TIMER, TSetupSupporter::TimerId, 0);
    QWidget window;
    display = new QPlainTextEdit(QStringLiteral("old"), &window);
    hidden = new QWidget(&window);
    window.show();
    supporter.WindowHandle()->Perform(WM_TIMER, TSetupSupporter::TimerId, 0);
    QCOMPARE(display->toPlainText(), QStringLiteral("Channel 0\treading"));
    QVERIFY(hidden->isHidden());

    // A control replaced in its variable is the one used from then on.
    delete display;
    display = new QPlainTextEdit(QStringLiteral("newer"), &window);
    supporter.WindowHandle()->Perform(WM_TIMER, TSetupSupporter::TimerId, 0);
    QCOMPARE(display->toPlainText(), QStringLiteral("Channel 0\treading"));
    QCOMPARE(TMessageLog::Instance().Texts(), QStringList());
}

void TCalibrationTest::AtMost256Displays()
{
    TSetupSupporter supporter;
    for (int i = 0; i < 256; ++i)
        supporter.AddChannelDisplay({});
    QVERIFY_THROWS_EXCEPTION(Exception, supporter.AddChannelDisplay({}));
    QCOMPARE(supporter.ChannelDisplays().size(), 256);
}

SETTINGS_TEST_MAIN(TCalibrationTest)
#include "tst_calibration.moc"
