#include "components/PCIForm.h"
#include "components/SetupSupporter.h"
#include "driver/DriverLibrary.h"
#include "platform/AnchorKeeper.h"
#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/MainMenu.h"
#include "support/RunLoop.h"
#include "support/TestMain.h"

#include <QEventLoop>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

// The card cases run where the fake driver library (two cards unless PELGRIN_FAKE_CARDS
// says otherwise) is on the library search path; that registration sets
// SETTINGS_FAKE_DRIVER. The plain registration has no driver library at all.
#define REQUIRE_FAKE_DRIVER()                                                                      \
    do {                                                                                           \
        if (!qEnvironmentVariableIsSet("SETTINGS_FAKE_DRIVER"))                                    \
            QSKIP("needs the fake driver library on the library search path");                     \
        Driver::LoadDriverLibrary();                                                               \
        QVERIFY2(Driver::DriverLibraryAvailable(), "the fake driver library was not loaded");      \
    } while (false)

namespace {

// A main window, first of the test, with a main menu of the given top-level captions and a
// supporter whose card handler answers from Texts and counts its calls.
struct TFixture
{
    std::unique_ptr<TForm> Main = std::make_unique<TForm>();
    TMainMenu* Menu = nullptr;
    TSetupSupporter* Sup = new TSetupSupporter(Main.get());
    QStringList Texts;
    QList<int> Asked;
    QList<QObject*> Senders;

    explicit TFixture(const QStringList& MenuCaptions = {QStringLiteral("&File"),
                                                         QStringLiteral("&Help")})
    {
        if (!MenuCaptions.isEmpty()) {
            Menu = new TMainMenu(Main.get());
            for (const QString& caption : MenuCaptions) {
                auto* item = new TMenuItem(Menu);
                item->SetCaption(caption);
                Menu->Add(item);
                auto* exit = new TMenuItem(item);
                exit->SetCaption(QStringLiteral("&Exit"));
                item->Add(exit);
            }
            Main->SetMenu(Menu);
        }
        Sup->SetCardNameA(QStringLiteral("KX-2040"));
        Sup->SetOnGetCardString([this](QObject* Sender, int CardIndex) {
            Asked << CardIndex;
            Senders << Sender;
            return Texts.value(CardIndex);
        });
    }
    ~TFixture() { TApplication::Instance()->OnIdle = nullptr; }

    QString Header() const { return Sup->HeaderLabel()->Caption(); }
    QStringList MenuCaptions(int Index) const
    {
        QStringList captions;
        const TMenuItem* item = Menu->Items(Index);
        for (int i = 0; i < item->Count(); ++i)
            captions << item->Items(i)->Caption();
        return captions;
    }
};

} // namespace

class TPCIFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void CardList_data();
    void CardList();
    void BuiltWindow();
    void FileMenuEntry_data();
    void FileMenuEntry();
    void ShownAgainByMenuEntry();
    void HandlerExceptionEndsBuild();
    void NoDriverLibrary();
};

void TPCIFormTest::init()
{
    TMessageLog::Instance().Clear();
}

void TPCIFormTest::cleanup()
{
    qunsetenv("PELGRIN_FAKE_CARDS");
}

void TPCIFormTest::CardList_data()
{
    QTest::addColumn<QByteArray>("Cards");
    QTest::addColumn<QStringList>("Texts");
    QTest::addColumn<QString>("Memo");
    QTest::addColumn<QString>("Header");

    const QString found = QStringLiteral("KX-2040 Series Settings Program");
    const QString notFound = QStringLiteral("No KX-2040 Series Card Found");
    QTest::newRow("A and B") << QByteArray("2") << QStringList{"A", "B"} << "A\nB" << found;
    QTest::newRow("empty and B") << QByteArray("2") << QStringList{"", "B"} << "B" << found;
    QTest::newRow("only empty texts")
        << QByteArray("2") << QStringList{"", ""} << "No Card Found" << notFound;
    QTest::newRow("text of two lines")
        << QByteArray("2") << QStringList{"A\r\nbus 3", "B"} << "A\nbus 3\nB" << found;
    QTest::newRow("none") << QByteArray("0") << QStringList{"A"} << "No Card Found" << notFound;
    QTest::newRow("negative count")
        << QByteArray("-1") << QStringList{"A"} << "No Card Found" << notFound;
}

void TPCIFormTest::CardList()
{
    REQUIRE_FAKE_DRIVER();
    QFETCH(QByteArray, Cards);
    QFETCH(QStringList, Texts);
    QFETCH(QString, Memo);
    QFETCH(QString, Header);
    qputenv("PELGRIN_FAKE_CARDS", Cards);

    TFixture fixture;
    fixture.Texts = Texts;
    fixture.Sup->BuildWindows();

    TPCIForm* cards = fixture.Sup->PCIForm();
    QVERIFY(cards);
    QVERIFY2(cards->isVisible(), "the installed-cards window is shown by the build");
    QCOMPARE(cards->PCIMemo->toPlainText(), Memo);
    QCOMPARE(fixture.Header(), Header);
    QList<int> asked;
    for (int index = 0; index < Cards.toInt(); ++index)
        asked << index;
    QCOMPARE(fixture.Asked, asked);
    for (QObject* sender : std::as_const(fixture.Senders))
        QCOMPARE(sender, fixture.Sup);
    QVERIFY2(!fixture.Sup->HelpForm()->isVisible(), "the instructions follow one tick later");
    QTRY_VERIFY(fixture.Sup->HelpForm()->isVisible());
    QCOMPARE(TMessageLog::Instance().Texts(), QStringList());
}

void TPCIFormTest::BuiltWindow()
{
    REQUIRE_FAKE_DRIVER();
    TFixture fixture;
    fixture.Texts = QStringList{"A", "B"};
    fixture.Sup->SetCardNameA(QStringLiteral("KX-A"));
    fixture.Sup->SetCardNameB(QStringLiteral("KX-B"));
    fixture.Sup->SetUseCardNameB(true);
    fixture.Sup->BuildWindows();

    TPCIForm* cards = fixture.Sup->PCIForm();
    QCOMPARE(cards->objectName(), QStringLiteral("PCIForm"));
    QCOMPARE(cards->parent(), fixture.Main.get());
    QCOMPARE(cards->Caption(), QStringLiteral("KX-B Cards installed"));
    QCOMPARE(cards->FormStyle(), TForm::fsStayOnTop);
    QCOMPARE(cards->Position(), TForm::poDefaultPosOnly);
    QCOMPARE(fixture.MenuCaptions(0), (QStringList{"Display KX-B Cards Installed", "&Exit"}));
    QCOMPARE(fixture.Header(), QStringLiteral("KX-B Series Settings Program"));

    QPlainTextEdit* memo = cards->PCIMemo;
    QCOMPARE(memo->objectName(), QStringLiteral("PCIMemo"));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(memo->font().pointSize(), 10);
    QVERIFY(memo->font().bold());
    QPushButton* close = cards->CloseButton;
    QCOMPARE(close->objectName(), QStringLiteral("CloseButton"));
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(close->isVisible());

    // Close was placed at (320 - 73) div 2 = 123 before the fit moved it by -8, and is not
    // centred again.
    QCOMPARE(QSize(cards->ClientWidth(), cards->ClientHeight()), QSize(305, 122));
    QCOMPARE(memo->geometry(), QRect(0, 0, 305, 89));
    QCOMPARE(close->geometry(), QRect(115, 97, 73, 25));
    QCOMPARE(Platform::GetAnchors(memo),
             Platform::akLeft | Platform::akTop | Platform::akRight | Platform::akBottom);
    QCOMPARE(Platform::GetAnchors(close), Platform::TAnchors(Platform::akBottom));
}

void TPCIFormTest::FileMenuEntry_data()
{
    QTest::addColumn<QStringList>("Menus");
    // Entries of each top-level menu after the build.
    QTest::addColumn<QStringList>("Entries");

    const QString display = QStringLiteral("Display KX-2040 Cards Installed");
    QTest::newRow("File and Help")
        << QStringList{"&File", "&Help"} << QStringList{display + "|&Exit", "&Exit"};
    QTest::newRow("File without ampersand")
        << QStringList{"File", "&Help"} << QStringList{"&Exit", "&Exit"};
    QTest::newRow("File in lower case")
        << QStringList{"&file", "&Help"} << QStringList{"&Exit", "&Exit"};
    QTest::newRow("two File menus") << QStringList{"&Help", "&File", "&File"}
                                    << QStringList{"&Exit", display + "|&Exit", "&Exit"};
    QTest::newRow("no main menu") << QStringList{} << QStringList{};
}

void TPCIFormTest::FileMenuEntry()
{
    REQUIRE_FAKE_DRIVER();
    QFETCH(QStringList, Menus);
    QFETCH(QStringList, Entries);

    TFixture fixture(Menus);
    fixture.Texts = QStringList{"A", "B"};
    fixture.Sup->BuildWindows();

    QStringList entries;
    for (int i = 0; i < Menus.size(); ++i)
        entries << fixture.MenuCaptions(i).join(u'|');
    QCOMPARE(entries, Entries);
    const auto items = fixture.Main->findChildren<TMenuItem*>(QStringLiteral("DisplayPCI"));
    QCOMPARE(items.size(), int(Entries.join(u'|').count(QStringLiteral("Display"))));
    // The window is built, shown and filled either way.
    QVERIFY(fixture.Sup->PCIForm()->isVisible());
    QCOMPARE(fixture.Sup->PCIForm()->PCIMemo->toPlainText(), QStringLiteral("A\nB"));
}

void TPCIFormTest::ShownAgainByMenuEntry()
{
    REQUIRE_FAKE_DRIVER();
    TFixture fixture;
    fixture.Texts = QStringList{"A", "B"};
    fixture.Sup->BuildWindows();
    TPCIForm* cards = fixture.Sup->PCIForm();
    QVERIFY(QTest::qWaitForWindowExposed(cards));

    QTest::mouseClick(cards->CloseButton, Qt::LeftButton);
    QVERIFY(!cards->isVisible());
    TMenuItem* entry = fixture.Menu->Items(0)->Items(0);
    QCOMPARE(entry->objectName(), QStringLiteral("DisplayPCI"));
    entry->Action()->trigger();
    QVERIFY(cards->isVisible());

    QTest::keyClick(cards->PCIMemo, Qt::Key_Escape);
    QVERIFY2(!cards->isVisible(), "Esc acts as Close");
    entry->Action()->trigger();
    QVERIFY(cards->isVisible());
    QCOMPARE(fixture.Asked, (QList<int>{0, 1}));
    QCOMPARE(cards->PCIMemo->toPlainText(), QStringLiteral("A\nB"));
}

void TPCIFormTest::HandlerExceptionEndsBuild()
{
    REQUIRE_FAKE_DRIVER();
    TFixture fixture;
    fixture.Sup->SetOnGetCardString([&fixture](QObject*, int CardIndex) {
        fixture.Asked << CardIndex;
        if (CardIndex == 1)
            throw Exception(QStringLiteral("card 1 does not answer"));
        return QStringLiteral("A");
    });
    // Hooked into the idle event as the main window's creation handler does.
    QPointer<TSetupSupporter> supporter = fixture.Sup;
    TApplication::Instance()->OnIdle = [supporter](QObject* Sender, bool& Done) {
        if (supporter)
            supporter->AppIdle(Sender, Done);
    };
    fixture.Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.Main.get()));

    QVERIFY(RunLoopUntil([] { return !TMessageLog::Instance().Entries().isEmpty(); }));
    QCOMPARE(TMessageLog::Instance().Texts(), QStringList{"card 1 does not answer"});
    QCOMPARE(TMessageLog::Instance().Entries().first().Caption, QStringLiteral("Settings"));
    QVERIFY(!TApplication::Instance()->OnIdle);
    // What was built stays; the header never got its caption.
    QCOMPARE(fixture.Sup->PCIForm()->PCIMemo->toPlainText(), QStringLiteral("A"));
    QCOMPARE(fixture.Header(), QString());

    RunLoopUntil([] { return false; }, 3 * TSetupSupporter::TimerPeriod);
    QVERIFY2(!fixture.Sup->HelpForm()->isVisible(), "a failed build shows no instructions");
    QCOMPARE(fixture.Asked, (QList<int>{0, 1}));
    QCOMPARE(TMessageLog::Instance().Entries().size(), 1);
    QCOMPARE(fixture.Main->findChildren<TPCIForm*>().size(), 1);
}

void TPCIFormTest::NoDriverLibrary()
{
    if (qEnvironmentVariableIsSet("SETTINGS_FAKE_DRIVER"))
        QSKIP("runs where there is no driver library");
    TFixture fixture;
    fixture.Texts = QStringList{"A", "B"};
    fixture.Sup->BuildWindows();

    QVERIFY(!Driver::DriverLibraryAvailable());
    QVERIFY(fixture.Sup->PCIForm()->isVisible());
    QCOMPARE(fixture.Sup->PCIForm()->PCIMemo->toPlainText(), QStringLiteral("No Card Found"));
    QCOMPARE(fixture.Header(), QStringLiteral("No KX-2040 Series Card Found"));
    QCOMPARE(fixture.Asked, QList<int>());
    QCOMPARE(fixture.MenuCaptions(0), (QStringList{"Display KX-2040 Cards Installed", "&Exit"}));
    QCOMPARE(TMessageLog::Instance().Texts(), QStringList());
}

SETTINGS_TEST_MAIN(TPCIFormTest)
#include "tst_pciform.moc"
