#include "components/BoardHighlight.h"
#include "components/PopupForm.h"
#include "support/BoardFixture.h"
#include "support/TestMain.h"

#include <QPushButton>

using THT = TBoardHighlight::THighlightType;

class THighlightMenusTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QCursor::setPos(5, 1015); }
    void kindMenusStandInOrder_data();
    void kindMenusStandInOrder();
    void oneItemPerTitleWithUniqueNames();
    void existingKindMenuIsReused();
    void emptyTitleMakesOnlyTheKindMenu();
    void checkMarkFollowsPinning();
    void checkedItemClosesWindowOfAnotherMember();
    void uncheckedItemPinsALitWindowWithoutReopening();
    void walk_data();
    void walk();
};

void THighlightMenusTest::kindMenusStandInOrder_data()
{
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<QStringList>("captions");
    const QStringList all{"&File", "&Settings", "&Calibration", "&Options", "&Help"};
    QTest::newRow("options, calibration, settings")
        << QList<int>{THT::htOptions, THT::htCalibration, THT::htSettings} << all;
    QTest::newRow("calibration, options, settings")
        << QList<int>{THT::htCalibration, THT::htOptions, THT::htSettings} << all;
    QTest::newRow("settings, options") << QList<int>{THT::htSettings, THT::htOptions}
                                       << QStringList{"&File", "&Settings", "&Options", "&Help"};
}

void THighlightMenusTest::kindMenusStandInOrder()
{
    QFETCH(QList<int>, types);
    QFETCH(QStringList, captions);
    TBoardFixture fixture;
    int x = 0;
    for (int type : types) {
        fixture.AddCircle(QStringLiteral("C%1").arg(x), QStringLiteral("&Part %1").arg(x),
                          THT(type), QRect(x * 60, 0, 50, 30));
        ++x;
    }
    QVERIFY(fixture.ShowAndPrepare());
    QCOMPARE(fixture.MenuCaptions(), captions);
}

void THighlightMenusTest::oneItemPerTitleWithUniqueNames()
{
    TBoardFixture fixture;
    // Names already taken in the window push the numbers up.
    auto* taken = new QObject(fixture.Form);
    taken->setObjectName(QStringLiteral("Options1"));
    fixture.AddCircle("USB", "&USB Connector", THT::htOptions, QRect(0, 0, 50, 30));
    fixture.AddCircle("Conn0", "&37-pin Connectors", THT::htOptions, QRect(60, 0, 50, 30));
    fixture.AddCircle("Conn1", "&37-pin Connectors", THT::htOptions, QRect(120, 0, 50, 30));
    fixture.AddCircle("Range", "Analog Range", THT::htSettings, QRect(180, 0, 50, 30));
    QVERIFY(fixture.ShowAndPrepare());
    QCOMPARE(fixture.KindItems(QStringLiteral("&Options")),
             (QStringList{"&USB Connector", "&37-pin Connectors"}));
    QCOMPARE(fixture.KindItems(QStringLiteral("&Settings")), QStringList{"Analog Range"});
    QCOMPARE(fixture.Item(QStringLiteral("&USB Connector"))->objectName(),
             QStringLiteral("USBConnector1"));
    QCOMPARE(fixture.Item(QStringLiteral("&37-pin Connectors"))->objectName(),
             QStringLiteral("pinConnectors1"));
    QCOMPARE(fixture.Item(QStringLiteral("Analog Range"))->objectName(),
             QStringLiteral("AnalogRange1"));
    QCOMPARE(fixture.Menu->Items(1)->objectName(), QStringLiteral("Settings1"));
    QCOMPARE(fixture.Menu->Items(2)->objectName(), QStringLiteral("Options2"));
}

void THighlightMenusTest::existingKindMenuIsReused()
{
    TBoardFixture fixture;
    auto* settings = new TMenuItem(fixture.Form);
    settings->SetCaption(QStringLiteral("&Settings"));
    auto* designed = new TMenuItem(fixture.Form);
    designed->SetCaption(QStringLiteral("&Designed"));
    settings->Add(designed);
    fixture.Menu->Insert(1, settings);
    auto* circle = fixture.AddCircle("A", "&Added", THT::htSettings, QRect(0, 0, 50, 30));
    QVERIFY(fixture.ShowAndPrepare());
    QCOMPARE(fixture.MenuCaptions(), (QStringList{"&File", "&Settings", "&Help"}));
    QCOMPARE(fixture.KindItems(QStringLiteral("&Settings")), (QStringList{"&Designed", "&Added"}));
    // Next walks the designed item too: it has no handler, so the step just closes.
    circle->MenuItemClick(nullptr);
    circle->NextClick(nullptr);
    QVERIFY(circle->Popup()->isHidden());
}

void THighlightMenusTest::emptyTitleMakesOnlyTheKindMenu()
{
    TBoardFixture fixture;
    auto* circle = fixture.AddCircle("E", "", THT::htCalibration, QRect(0, 0, 50, 30));
    QVERIFY(fixture.ShowAndPrepare());
    QCOMPARE(fixture.MenuCaptions(), (QStringList{"&File", "&Calibration", "&Help"}));
    QCOMPARE(fixture.Menu->Items(1)->Count(), 0);
    circle->Perform(CM_MOUSEENTER, 0, 0);
    circle->Click();
    circle->NextClick(nullptr);
    QVERIFY2(circle->Popup()->isVisible(), "without an item the walk does nothing");
}

void THighlightMenusTest::checkMarkFollowsPinning()
{
    TBoardFixture fixture;
    auto* circle = fixture.AddCircle("A", "&Marked", THT::htSettings, QRect(0, 0, 50, 30));
    QVERIFY(fixture.ShowAndPrepare());
    TMenuItem* item = fixture.Item(QStringLiteral("&Marked"));
    QVERIFY(!item->Checked());
    circle->Perform(CM_MOUSEENTER, 0, 0);
    QVERIFY(!item->Checked());
    circle->Click();
    QVERIFY(item->Checked());
    QTest::mouseClick(circle->Popup()->DoneButton(), Qt::LeftButton);
    QVERIFY(!item->Checked());
    // The menu's own check box must not drift from ours when the user picks the item.
    item->Action()->trigger();
    QVERIFY(item->Checked());
    QVERIFY(item->Action()->isChecked());
    QVERIFY(circle->Popup()->isVisible());
    item->Action()->trigger();
    QVERIFY(!item->Checked());
    QVERIFY(!item->Action()->isChecked());
    QVERIFY(circle->Popup()->isHidden());
}

void THighlightMenusTest::checkedItemClosesWindowOfAnotherMember()
{
    TBoardFixture fixture;
    // The item is made at the first paint, by the member painted first; the window by
    // the member entered first.
    auto* itemMaker = fixture.AddCircle("First", "&Pair", THT::htOptions, QRect(0, 0, 50, 30));
    auto* windowOwner = fixture.AddCircle("Second", "&Pair", THT::htOptions, QRect(100, 0, 50, 30));
    QVERIFY(fixture.ShowAndPrepare());
    windowOwner->Perform(CM_MOUSEENTER, 0, 0);
    QVERIFY(windowOwner->Popup());
    QVERIFY(!itemMaker->Popup());
    windowOwner->Click();
    TMenuItem* item = fixture.Item(QStringLiteral("&Pair"));
    QVERIFY(item->Checked());
    item->Click();
    QVERIFY(windowOwner->Popup()->isHidden());
    QVERIFY(!item->Checked());
    QVERIFY(!itemMaker->Lit());
    QVERIFY(!windowOwner->Lit());
}

void THighlightMenusTest::uncheckedItemPinsALitWindowWithoutReopening()
{
    TBoardFixture fixture;
    auto* circle = fixture.AddCircle("A", "&Lit", THT::htSettings, QRect(0, 0, 50, 30));
    QVERIFY(fixture.ShowAndPrepare());
    circle->Perform(CM_MOUSEENTER, 0, 0);
    TPopupForm* popup = circle->Popup();
    popup->move(420, 300);
    fixture.Item(QStringLiteral("&Lit"))->Click();
    QVERIFY(circle->Pinned());
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->pos(), QPoint(420, 300));
}

void THighlightMenusTest::walk_data()
{
    QTest::addColumn<int>("circles");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");
    QTest::newRow("next") << 3 << 0 << "Next" << 1;
    QTest::newRow("next wraps to the first") << 3 << 2 << "Next" << 0;
    QTest::newRow("previous") << 3 << 2 << "Previous" << 1;
    QTest::newRow("previous wraps to the last") << 3 << 0 << "Previous" << 2;
    QTest::newRow("one item: next reopens it") << 1 << 0 << "Next" << 0;
    QTest::newRow("one item: previous reopens it") << 1 << 0 << "Previous" << 0;
}

void THighlightMenusTest::walk()
{
    QFETCH(int, circles);
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(int, expected);
    TBoardFixture fixture;
    QList<TBoardHighlight*> kind;
    for (int i = 0; i < circles; ++i) {
        kind << fixture.AddCircle(QStringLiteral("S%1").arg(i), QStringLiteral("&Step %1").arg(i),
                                  THT::htSettings, QRect(i * 60, 0, 50, 30));
    }
    auto* other = fixture.AddCircle("O", "&Other kind", THT::htOptions, QRect(400, 0, 50, 30));
    QVERIFY(fixture.ShowAndPrepare());
    kind[start]->MenuItemClick(nullptr);
    TPopupForm* popup = kind[start]->Popup();
    QVERIFY(popup->isVisible());
    QTest::mouseClick(button == QLatin1String("Next") ? popup->NextButton()
                                                      : popup->PreviousButton(),
                      Qt::LeftButton);
    for (int i = 0; i < circles; ++i) {
        const bool open = i == expected;
        const bool shown = kind[i]->Popup() && kind[i]->Popup()->isVisible();
        QCOMPARE(shown, open);
        QCOMPARE(shown && kind[i]->Pinned(), open);
        QCOMPARE(fixture.Item(QStringLiteral("&Step %1").arg(i))->Checked(), open);
    }
    QVERIFY2(!other->Popup(), "the walk stays in one kind's menu");
}

SETTINGS_TEST_MAIN(THighlightMenusTest)
#include "tst_highlightmenus.moc"
