#include "components/BoardHighlight.h"
#include "components/PopupForm.h"
#include "support/BoardFixture.h"
#include "support/TestMain.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace {

const QPoint FarAway(5, 1015);

QRect Geometry(const QWidget* Widget)
{
    return Widget->geometry();
}

} // namespace

class TPopupFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QCursor::setPos(FarAway); }
    void layoutWithPanel();
    void narrowPanelWidensTheWindow();
    void layoutWithoutPanel();
    void placementFollowsTheBoard();
    void clampedToTheScreen_data();
    void clampedToTheScreen();
    void stateTable_data();
    void stateTable();
    void twinSharesOneWindow();
    void closedWindowKeepsPlaceAndPanel();
    void panelJoinsOneGroupOnly();
    void designModeLinkMessages_data();
    void designModeLinkMessages();
};

void TPopupFormTest::layoutWithPanel()
{
    TBoardFixture fixture;
    auto* panel =
        fixture.AddPanel("TTLPanel", QRect(360, 328, 257, 161), {"Line one", "", "Three"});
    auto* circle = fixture.AddCircle("TTL", "&Digital", TBoardHighlight::htSettings,
                                     QRect(365, 155, 71, 41), panel);
    QVERIFY(fixture.ShowAndPrepare());
    circle->Perform(CM_MOUSEENTER, 0, 0);
    TPopupForm* popup = circle->Popup();
    QVERIFY(popup);
    QCOMPARE(QSize(popup->ClientWidth(), popup->ClientHeight()), QSize(257, 270));
    QCOMPARE(popup->Caption(), QStringLiteral("Digital"));
    QCOMPARE(popup->Tag(), int(TBoardHighlight::htSettings));
    QCOMPARE(Geometry(popup->StatusMemo()), QRect(6, 162, 245, 58));
    QCOMPARE(popup->StatusMemo()->toPlainText(), QStringLiteral("Line one\n\nThree"));
    QVERIFY(popup->StatusMemo()->isReadOnly());
    QCOMPARE(Geometry(popup->PreviousButton()), QRect(6, 226, 58, 25));
    QCOMPARE(Geometry(popup->NextButton()), QRect(99, 226, 58, 25));
    QCOMPARE(Geometry(popup->DoneButton()), QRect(193, 226, 58, 25));
    QCOMPARE(Geometry(popup->PopupStatus()), QRect(0, 251, 257, 19));
    QCOMPARE(Geometry(panel), QRect(0, 0, 257, 161));
    QCOMPARE(panel->parentWidget(), popup->Client());
    QVERIFY(panel->isVisible());
    QVERIFY(panel->Hosted());
    QCOMPARE(popup->minimumSize(), QSize(257, 270));
    QVERIFY(popup->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(popup->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    // Enlarging moves the buttons with the bottom edge and stretches the text box.
    popup->SetClientSize(300, 300);
    QTRY_COMPARE(Geometry(popup->DoneButton()), QRect(236, 256, 58, 25));
    QCOMPARE(Geometry(popup->StatusMemo()), QRect(6, 162, 288, 88));
}

void TPopupFormTest::narrowPanelWidensTheWindow()
{
    TBoardFixture fixture;
    auto* panel = fixture.AddPanel("Small", QRect(10, 10, 145, 9), {"Short"});
    auto* circle =
        fixture.AddCircle("S", "&Small", TBoardHighlight::htOptions, QRect(0, 0, 50, 30), panel);
    QVERIFY(fixture.ShowAndPrepare());
    circle->Perform(CM_MOUSEENTER, 0, 0);
    TPopupForm* popup = circle->Popup();
    QVERIFY(popup);
    // 9 + 32 + 58 + 19 = 118 high is raised to the 122 minimum, 145 wide to 194.
    QCOMPARE(QSize(popup->ClientWidth(), popup->ClientHeight()), QSize(194, 122));
    QCOMPARE(Geometry(panel), QRect(0, 0, 145, 9));
    QCOMPARE(Geometry(popup->DoneButton()), QRect(130, 78, 58, 25));
    QCOMPARE(Geometry(popup->StatusMemo()), QRect(6, 14, 182, 58));
    QCOMPARE(Geometry(popup->PopupStatus()), QRect(0, 103, 194, 19));
}

void TPopupFormTest::layoutWithoutPanel()
{
    TBoardFixture fixture;
    auto* circle =
        fixture.AddCircle("N", "&Nothing", TBoardHighlight::htOptions, QRect(0, 0, 50, 30));
    QVERIFY(fixture.ShowAndPrepare());
    circle->Perform(CM_MOUSEENTER, 0, 0);
    TPopupForm* popup = circle->Popup();
    QVERIFY(popup);
    QCOMPARE(QSize(popup->Width(), popup->Height()), QSize(194, 141));
    QCOMPARE(popup->StatusMemo()->height(), 58);
    QVERIFY(popup->StatusMemo()->toPlainText().isEmpty());
    QTRY_COMPARE(popup->focusWidget(), popup->DoneButton());
    // Under the board's bottom edge, 38 pixels lower, aligned with its left edge.
    QCOMPARE(QPoint(popup->Left(), popup->Top()),
             QPoint(fixture.Board->x(), fixture.Board->y() + fixture.Board->height() + 38));
}

void TPopupFormTest::placementFollowsTheBoard()
{
    TBoardFixture fixture;
    auto* panel = fixture.AddPanel("P", QRect(360, 328, 257, 161));
    auto* circle =
        fixture.AddCircle("C", "&Placed", TBoardHighlight::htSettings, QRect(0, 0, 50, 30), panel);
    QVERIFY(fixture.ShowAndPrepare());
    QCOMPARE(QPoint(fixture.Board->DesignLeft(), fixture.Board->DesignTop()), QPoint(150, 98));
    fixture.Board->move(162, 60);
    circle->Perform(CM_MOUSEENTER, 0, 0);
    QCOMPARE(QPoint(circle->Popup()->Left(), circle->Popup()->Top()), QPoint(372, 290));
}

void TPopupFormTest::clampedToTheScreen_data()
{
    QTest::addColumn<QPoint>("panelAt");
    QTest::addColumn<QPoint>("expected");
    // The test screen is 1280 x 1024; the window is 257 x 270.
    QTest::newRow("past the right edge") << QPoint(1200, 100) << QPoint(1280 - 257, 100);
    QTest::newRow("past the bottom edge") << QPoint(100, 900) << QPoint(100, 1024 - 270);
    QTest::newRow("negative left and top") << QPoint(-200, -150) << QPoint(0, 0);
}

void TPopupFormTest::clampedToTheScreen()
{
    QFETCH(QPoint, panelAt);
    QFETCH(QPoint, expected);
    TBoardFixture fixture;
    auto* panel = fixture.AddPanel("P", QRect(panelAt, QSize(257, 161)));
    auto* circle =
        fixture.AddCircle("C", "&Edge", TBoardHighlight::htSettings, QRect(0, 0, 50, 30), panel);
    QVERIFY(fixture.ShowAndPrepare());
    // Board still at its design position: the window opens where the panel was designed.
    circle->Perform(CM_MOUSEENTER, 0, 0);
    QCOMPARE(QPoint(circle->Popup()->Left(), circle->Popup()->Top()), expected);
}

void TPopupFormTest::stateTable_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("pinned");
    QTest::addColumn<bool>("autoClose");
    QTest::addColumn<bool>("lit");
    QTest::addColumn<bool>("checked");
    QTest::newRow("enter: open") << QStringList{"enter"} << true << false << false << true << false;
    QTest::newRow("enter, leave outside: closed") << QStringList{"enter", "leave circle outside"}
                                                  << false << false << false << false << false;
    QTest::newRow("enter, leave into window: open and entered")
        << QStringList{"enter", "leave circle into window"} << true << true << true << true << true;
    QTest::newRow("entered window, pointer leaves it: closed")
        << QStringList{"enter", "leave circle into window", "leave window outside"} << false << true
        << false << false << false;
    QTest::newRow("entered window, pointer moves inside it: stays")
        << QStringList{"enter", "leave circle into window", "leave window inside"} << true << true
        << true << true << true;
    QTest::newRow("click pins") << QStringList{"enter", "click"} << true << true << false << true
                                << true;
    QTest::newRow("pinned ignores leaving the circle")
        << QStringList{"enter", "click", "leave circle outside"} << true << true << false << true
        << true;
    QTest::newRow("pinned ignores leaving the window")
        << QStringList{"enter", "click", "leave circle outside", "leave window outside"} << true
        << true << false << true << true;
    QTest::newRow("Done closes a pinned window")
        << QStringList{"enter", "click", "done"} << false << true << false << false << false;
    QTest::newRow("close box closes a pinned window")
        << QStringList{"enter", "click", "close box"} << false << true << false << false << false;
    QTest::newRow("menu item pins, checked item closes")
        << QStringList{"menu", "menu"} << false << true << false << false << false;
    QTest::newRow("menu item pins") << QStringList{"menu"} << true << true << false << true << true;
    QTest::newRow("entering again shows it unpinned")
        << QStringList{"enter", "click", "done", "enter"} << true << false << false << true
        << false;
}

void TPopupFormTest::stateTable()
{
    QFETCH(QStringList, actions);
    QFETCH(bool, visible);
    QFETCH(bool, pinned);
    QFETCH(bool, autoClose);
    QFETCH(bool, lit);
    QFETCH(bool, checked);
    TBoardFixture fixture;
    auto* panel = fixture.AddPanel("P", QRect(360, 328, 257, 161));
    auto* circle = fixture.AddCircle("C", "&Jumper", TBoardHighlight::htSettings,
                                     QRect(20, 20, 60, 40), panel);
    auto* twin = fixture.AddCircle("T", "&Jumper", TBoardHighlight::htSettings,
                                   QRect(120, 20, 60, 40), panel);
    QVERIFY(fixture.ShowAndPrepare());
    for (const QString& action : actions) {
        TPopupForm* popup = circle->Popup();
        if (action == QLatin1String("enter")) {
            circle->Perform(CM_MOUSEENTER, 0, 0);
        } else if (action == QLatin1String("leave circle outside")) {
            QCursor::setPos(FarAway);
            circle->Perform(CM_MOUSELEAVE, 0, 0);
        } else if (action == QLatin1String("leave circle into window")) {
            QCursor::setPos(popup->frameGeometry().center());
            circle->Perform(CM_MOUSELEAVE, 0, 0);
        } else if (action == QLatin1String("leave window outside")) {
            QCursor::setPos(FarAway);
            popup->Perform(CM_MOUSELEAVE, 0, 0);
        } else if (action == QLatin1String("leave window inside")) {
            QCursor::setPos(popup->frameGeometry().topLeft());
            popup->Perform(CM_MOUSELEAVE, 0, 0);
        } else if (action == QLatin1String("click")) {
            circle->Click();
        } else if (action == QLatin1String("done")) {
            QTest::mouseClick(popup->DoneButton(), Qt::LeftButton);
        } else if (action == QLatin1String("close box")) {
            popup->close();
        } else if (action == QLatin1String("menu")) {
            fixture.Item(QStringLiteral("&Jumper"))->Click();
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown action ") + action));
        }
    }
    TPopupForm* popup = circle->Popup();
    QVERIFY(popup);
    QCOMPARE(popup->isVisible(), visible);
    QCOMPARE(circle->Pinned(), pinned);
    QCOMPARE(popup->AutoClose(), autoClose);
    QCOMPARE(circle->Lit(), lit);
    QCOMPARE(twin->Lit(), lit);
    QCOMPARE(fixture.Item(QStringLiteral("&Jumper"))->Checked(), checked);
    QVERIFY2(!twin->Popup(), "a group never has two windows");
}

void TPopupFormTest::twinSharesOneWindow()
{
    TBoardFixture fixture;
    auto* panel = fixture.AddPanel("P", QRect(360, 328, 257, 161));
    auto* first =
        fixture.AddCircle("A", "&Twin", TBoardHighlight::htSettings, QRect(20, 20, 60, 40), panel);
    auto* second =
        fixture.AddCircle("B", "&Twin", TBoardHighlight::htSettings, QRect(120, 20, 60, 40), panel);
    QVERIFY(fixture.ShowAndPrepare());
    second->Perform(CM_MOUSEENTER, 0, 0);
    QVERIFY(second->Popup());
    QVERIFY(!first->Popup());
    QVERIFY(first->Lit());
    const auto windows = TApplication::Instance()->Forms();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](TForm* F) { return F->Caption() == QLatin1String("Twin"); }),
             1);
    // Leaving the other member runs the owner's check through the group and closes it.
    first->Perform(CM_MOUSELEAVE, 0, 0);
    QVERIFY(second->Popup()->isHidden());
    QVERIFY(!first->Lit());
    QVERIFY(!second->Lit());
}

void TPopupFormTest::closedWindowKeepsPlaceAndPanel()
{
    TBoardFixture fixture;
    auto* panel = fixture.AddPanel("P", QRect(360, 328, 257, 161));
    auto* circle =
        fixture.AddCircle("C", "&Again", TBoardHighlight::htSettings, QRect(20, 20, 60, 40), panel);
    QVERIFY(fixture.ShowAndPrepare());
    circle->Perform(CM_MOUSEENTER, 0, 0);
    TPopupForm* popup = circle->Popup();
    circle->Click();
    popup->move(500, 400);
    popup->close();
    QVERIFY(popup->isHidden());
    circle->Perform(CM_MOUSEENTER, 0, 0);
    QCOMPARE(circle->Popup(), popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->pos(), QPoint(500, 400));
    QCOMPARE(panel->parentWidget(), popup->Client());
    QVERIFY(!circle->Pinned());
}

void TPopupFormTest::panelJoinsOneGroupOnly()
{
    TBoardFixture fixture;
    auto* panel = fixture.AddPanel("P", QRect(0, 0, 100, 50));
    auto* first =
        fixture.AddCircle("A", "&One", TBoardHighlight::htSettings, QRect(0, 0, 40, 40), panel);
    auto* sameGroup =
        fixture.AddCircle("B", "&One", TBoardHighlight::htSettings, QRect(50, 0, 40, 40), panel);
    auto* otherKind =
        fixture.AddCircle("C", "&One", TBoardHighlight::htOptions, QRect(100, 0, 40, 40), panel);
    QCOMPARE(first->RadioPanel(), panel);
    QCOMPARE(sameGroup->RadioPanel(), panel);
    QVERIFY2(!otherKind->RadioPanel(), "a panel is refused to a second group");
    QVERIFY2(TMessageLog::Instance().Entries().isEmpty(), "at run time the refusal is silent");
}

void TPopupFormTest::designModeLinkMessages_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("synchronised");
    QTest::newRow("yes links the other member") << IDYES << true;
    QTest::newRow("no leaves it") << IDNO << false;
}

void TPopupFormTest::designModeLinkMessages()
{
    QFETCH(int, answer);
    QFETCH(bool, synchronised);
    TMessageLog::Instance().Clear();
    TBoardFixture fixture;
    fixture.Board->SetDesigning(true);
    auto* first = fixture.AddPanel("FirstPanel", QRect(0, 0, 100, 50));
    auto* second = fixture.AddPanel("SecondPanel", QRect(0, 0, 100, 50));
    auto* a =
        fixture.AddCircle("A", "&One", TBoardHighlight::htSettings, QRect(0, 0, 40, 40), first);
    auto* b = fixture.AddCircle("B", "&One", TBoardHighlight::htSettings, QRect(50, 0, 40, 40));
    auto* c = fixture.AddCircle("C", "&Two", TBoardHighlight::htSettings, QRect(100, 0, 40, 40));
    c->SetRadioPanel(first);
    QVERIFY(!c->RadioPanel());
    QCOMPARE(TMessageLog::Instance().Texts(),
             QStringList{QStringLiteral("FirstPanel has already been assigned to A.")});
    TMessageLog::Instance().Clear();
    TMessageLog::Instance().QueueAnswer(answer);
    b->SetDesigning(true);
    b->SetRadioPanel(second);
    QCOMPARE(b->RadioPanel(), second);
    QCOMPARE(TMessageLog::Instance().Texts(),
             QStringList{QStringLiteral(
                 "B's RadioPanel property changed. Synchronize linked component A?")});
    QCOMPARE(TMessageLog::Instance().Entries()[0].Flags, MB_YESNO);
    QCOMPARE(a->RadioPanel(), synchronised ? second : first);
    TMessageLog::Instance().Clear();
}

SETTINGS_TEST_MAIN(TPopupFormTest)
#include "tst_popupform.moc"
