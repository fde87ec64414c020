#include "components/BoardImage.h"
#include "components/HelpForm.h"
#include "components/SetupSupporter.h"
#include "platform/AnchorKeeper.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "support/TestMain.h"

#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

// A board image that records the messages it is sent.
class TRecordingBoard : public TBoardImage
{
    Q_OBJECT

public:
    using TBoardImage::TBoardImage;

    void Dispatch(TMessage& Message) override
    {
        Received.append(Message.Msg);
        TBoardImage::Dispatch(Message);
    }

    QList<unsigned> Received;
};

namespace {

const QByteArray CrLf = "\r\n";

// The instructions document assembled here from its seventeen pieces, independently of the
// window's own assembly.
QByteArray ExpectedDocument(const QByteArray& Company, const QByteArray& Card, bool Series,
                            bool MultiPort, bool CardHandler)
{
    QList<QByteArray> pieces;
    pieces << R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 )"
              R"(Verdana;}}{\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64)"
              R"(\blue255;\red255\green64\blue64;}\viewkind4\uc1\pard\f0\fs32\cf0)" +
                  CrLf + R"({\b )"
           << Company << " " << Card << (Series ? " Series" : "")
           << R"( Settings Program}\par\par\fs24)" + CrLf
           << "This program will help you configure the option jumpers and settings associated "
              "with this product. You should have the product in-hand when first using this "
              R"(program.\par\par)" +
                  CrLf
           << R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and )"
              R"(switches.\par\par)" +
                  CrLf
           << R"({\cf2\fs24\b Blue circles} are informational only. They provide information )"
              R"(on standard and optional features of the product family.\par\par)" +
                  CrLf
           << R"({\cf3\fs24\b Red circles} handle calibration and types of configuration that )"
              "require actually controlling the hardware device. Run this settings program "
              "again once the card is installed. "
           << R"(Repeat the {\cf1 setup circles} (using the same settings) to configure this )"
              R"(program, then perform the {\cf3 calibration circles}.\par\par)" +
                  CrLf
           << "Mouse over the highlight circles to see configuration or information popups "
              R"(for {\cf1 setup}, {\cf2 features}, and {\cf3 calibration}. Click a highlight )"
              "circle to make its popup remain on-screen. "
           << R"(You can have all or as many of these popups onscreen at the same time as you )"
              R"(desire.\par\par)" +
                  CrLf;
    if (MultiPort)
        pieces << R"({\fs32\b Note:} Make sure to set the jumpers for each option group )"
                  R"(\emdash  the configuration options for each port are handled identically; )"
               << "this program only shows the setup once, but you need to perform this setup "
                  R"(for each group of options on your device.\par\par)" +
                      CrLf;
    if (CardHandler)
        pieces << "To see a list of " + Card + " cards installed, click \"Display " + Card +
                      " Cards Installed\" under the File menu.\\par\\par" + CrLf;
    pieces << "}";
    return pieces.join();
}

// A main window, first of the test, with a supporter that builds the instructions.
struct TFixture
{
    std::unique_ptr<TForm> Main = std::make_unique<TForm>();
    TSetupSupporter* Sup = new TSetupSupporter(Main.get());

    THelpForm* Build()
    {
        Sup->SetCompanyName(QStringLiteral("Quorvan"));
        Sup->SetCardNameA(QStringLiteral("KX-2040"));
        Sup->BuildWindows();
        return Sup->HelpForm();
    }
};

} // namespace

class THelpFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void Document_data();
    void Document();
    void DocumentRendersTitleInBold();

    void ScaledClientSize_data();
    void ScaledClientSize();

    void BuiltWindow();
    void ControlsFollowTheScaledSize();
    void EnterAndEscClickStart_data();
    void EnterAndEscClickStart();

    void StartSendsTourToFirstBoard_data();
    void StartSendsTourToFirstBoard();
};

void THelpFormTest::init()
{
    TMessageLog::Instance().Clear();
}

void THelpFormTest::Document_data()
{
    QTest::addColumn<QString>("Company");
    QTest::addColumn<QString>("Card");
    QTest::addColumn<bool>("Series");
    QTest::addColumn<bool>("MultiPort");
    QTest::addColumn<bool>("CardHandler");
    QTest::addColumn<QByteArray>("Expected");

    for (const bool multiPort : {false, true}) {
        for (const bool cardHandler : {false, true}) {
            QTest::addRow("multiport %d, card handler %d", multiPort, cardHandler)
                << "Quorvan"
                << "KX-2040" << true << multiPort << cardHandler
                << ExpectedDocument("Quorvan", "KX-2040", true, multiPort, cardHandler);
        }
    }
    QTest::newRow("no series") << "Quorvan"
                               << "KX-2040" << false << false << true
                               << ExpectedDocument("Quorvan", "KX-2040", false, false, true);
    QTest::newRow("empty names") << ""
                                 << "" << true << false << false
                                 << ExpectedDocument("", "", true, false, false);
    // Names cannot break the document: RTF specials are escaped, other letters encoded.
    QTest::newRow("names with RTF specials")
        << QStringLiteral("Q{u}o\\rv\u00e4n") << QStringLiteral("KX\u20ac") << true << false << true
        << ExpectedDocument("Q\\{u\\}o\\\\rv\\'e4n", "KX\\u8364?", true, false, true);
}

void THelpFormTest::Document()
{
    QFETCH(QString, Company);
    QFETCH(QString, Card);
    QFETCH(bool, Series);
    QFETCH(bool, MultiPort);
    QFETCH(bool, CardHandler);
    QFETCH(QByteArray, Expected);

    QCOMPARE(THelpForm::InstructionsDocument(Company, Card, Series, MultiPort, CardHandler),
             Expected);
}

void THelpFormTest::DocumentRendersTitleInBold()
{
    TFixture fixture;
    THelpForm* help = fixture.Build();
    const QTextDocument* document = help->HelpRich->document();
    const QTextBlock title = document->firstBlock();
    QCOMPARE(title.text(), QStringLiteral("Quorvan KX-2040 Series Settings Program"));
    QVERIFY(title.begin().fragment().charFormat().font().bold());
    QVERIFY2(document->toPlainText().contains(QStringLiteral("Yellow circles provide information")),
             "the document must be read as rich text, not shown as its source");
    QCOMPARE(help->HelpRich->textCursor().position(), 0);
}

void THelpFormTest::ScaledClientSize_data()
{
    QTest::addColumn<QSize>("Screen");
    QTest::addColumn<QSize>("Expected");

    QTest::newRow("800x600") << QSize(800, 600) << QSize(305, 138);
    QTest::newRow("1024x768") << QSize(1024, 768) << QSize(390, 177);
    QTest::newRow("1280x1024") << QSize(1280, 1024) << QSize(488, 221);
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(732, 331);
    QTest::newRow("640x480") << QSize(640, 480) << QSize(305, 138);
    QTest::newRow("wide but low") << QSize(2560, 440) << QSize(305, 138);
    QTest::newRow("no screen") << QSize(0, 0) << QSize(305, 138);
    // Halves go to the even neighbour: 305 x 1.5 = 457.5 up to 458, 305 x 1.3 = 396.5 down
    // to 396 (138 x 1.3 = 179.4).
    QTest::newRow("half up to even") << QSize(1200, 900) << QSize(458, 207);
    QTest::newRow("half down to even") << QSize(1040, 600) << QSize(396, 179);
}

void THelpFormTest::ScaledClientSize()
{
    QFETCH(QSize, Screen);
    QFETCH(QSize, Expected);

    QCOMPARE(THelpForm::ScaledClientSize(QSize(305, 138), Screen), Expected);
}

void THelpFormTest::BuiltWindow()
{
    TFixture fixture;
    THelpForm* help = fixture.Build();
    QVERIFY(help);
    QCOMPARE(help->objectName(), QStringLiteral("HelpForm"));
    QCOMPARE(help->parent(), fixture.Main.get());
    QCOMPARE(help->Caption(), QStringLiteral("Instructions for Settings utility"));
    QCOMPARE(help->FormStyle(), TForm::fsStayOnTop);
    QVERIFY(help->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(help->Position(), TForm::poMainFormCenter);
    QVERIFY(!help->isVisible());
    QVERIFY2(!help->CloseButton, "the instructions window has no Close button");

    QCOMPARE(help->HelpLabel->objectName(), QStringLiteral("HelpLabel"));
    QCOMPARE(help->HelpLabel->Caption(), QStringLiteral("How to use this program"));
    QCOMPARE(help->HelpLabel->Alignment(), Platform::taCenter);
    QCOMPARE(help->HelpLabel->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(help->HelpLabel->font().pointSize(), 12);
    QVERIFY(help->HelpLabel->font().bold());
    const QFontMetrics heading = help->HelpLabel->fontMetrics();
    QVERIFY2(heading.height() <= 24, "the heading must fit above the text at 24");
    QVERIFY2(heading.horizontalAdvance(help->HelpLabel->Caption()) <= 305,
             "the heading must fit the layout's width");

    QCOMPARE(help->HelpRich->objectName(), QStringLiteral("HelpRich"));
    QVERIFY(help->HelpRich->isReadOnly());
    QCOMPARE(help->HelpRich->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(help->HelpRich->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(help->HelpRich->palette().color(QPalette::Base), QColor(0xDD, 0xDD, 0xDD));

    QPushButton* start = help->StartButton;
    QCOMPARE(start->objectName(), QStringLiteral("StartButton"));
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QVERIFY(start->isDefault());
    QCOMPARE(start->size(), QSize(173, 25));

    QCOMPARE(Platform::GetAnchors(help->HelpRich),
             Platform::akLeft | Platform::akTop | Platform::akRight | Platform::akBottom);
    QCOMPARE(Platform::GetAnchors(start), Platform::TAnchors(Platform::akBottom));
    // On the 1280 x 1024 test screen the layout of 305 x 138 grows by 1.6.
    QCOMPARE(QSize(help->ClientWidth(), help->ClientHeight()), QSize(488, 221));

    fixture.Main->SetClientSize(1000, 800);
    fixture.Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.Main.get()));
    help->Show();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->frameGeometry().center(), fixture.Main->frameGeometry().center());
    QTRY_COMPARE(QApplication::focusWidget(), start);
}

void THelpFormTest::ControlsFollowTheScaledSize()
{
    TFixture fixture;
    THelpForm* help = fixture.Build();
    help->show();
    QVERIFY(QTest::qWaitForWindowExposed(help));

    const int labelHeight = help->HelpLabel->height();
    QTRY_COMPARE(help->HelpLabel->geometry(), QRect(0, 0, 488, labelHeight));
    // 24 from the top and 41 from the bottom, as in the layout of 305 x 138.
    QCOMPARE(help->HelpRich->geometry(), QRect(0, 24, 488, 221 - 24 - 41));
    const QRect start = help->StartButton->geometry();
    QCOMPARE(start.size(), QSize(173, 25));
    QCOMPARE(221 - start.bottom() - 1, 8);
    QVERIFY2(qAbs(start.center().x() - 488 / 2) <= 1, "Start stays horizontally centred");
}

void THelpFormTest::EnterAndEscClickStart_data()
{
    QTest::addColumn<int>("Key");
    QTest::addColumn<bool>("FocusOnText");

    QTest::newRow("Enter on Start") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter on Start") << int(Qt::Key_Enter) << false;
    QTest::newRow("Esc on Start") << int(Qt::Key_Escape) << false;
    QTest::newRow("Enter in the text") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc in the text") << int(Qt::Key_Escape) << true;
}

void THelpFormTest::EnterAndEscClickStart()
{
    QFETCH(int, Key);
    QFETCH(bool, FocusOnText);

    TFixture fixture;
    auto* board = new TRecordingBoard(fixture.Main->Client());
    THelpForm* help = fixture.Build();
    help->Show();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QTRY_COMPARE(QApplication::activeWindow(), help);
    QWidget* target = FocusOnText ? static_cast<QWidget*>(help->HelpRich) : help->StartButton;
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key(Key));
    QVERIFY2(!help->isVisible(), "the key must act as a click on Start");
    QCOMPARE(board->Received, QList<unsigned>{WM_STARTTOUR});
}

void THelpFormTest::StartSendsTourToFirstBoard_data()
{
    QTest::addColumn<QStringList>("Controls");
    QTest::addColumn<int>("Starts");
    // Messages received by each board, in the order of Controls.
    QTest::addColumn<QStringList>("Received");

    QTest::newRow("no board") << QStringList{"widget"} << 1 << QStringList{};
    QTest::newRow("board after another control")
        << QStringList{"widget", "board"} << 1 << QStringList{"1186"};
    QTest::newRow("first of two boards")
        << QStringList{"board", "board"} << 1 << QStringList{"1186", ""};
    QTest::newRow("again after reopening")
        << QStringList{"board"} << 3 << QStringList{"1186 1186 1186"};
}

void THelpFormTest::StartSendsTourToFirstBoard()
{
    QFETCH(QStringList, Controls);
    QFETCH(int, Starts);
    QFETCH(QStringList, Received);

    TFixture fixture;
    QList<TRecordingBoard*> boards;
    for (const QString& kind : Controls) {
        if (kind == QLatin1String("board"))
            boards << new TRecordingBoard(fixture.Main->Client());
        else
            new QWidget(fixture.Main->Client());
    }
    THelpForm* help = fixture.Build();
    for (int i = 0; i < Starts; ++i) {
        help->show();
        QTest::mouseClick(help->StartButton, Qt::LeftButton);
        QVERIFY(!help->isVisible());
    }
    QStringList received;
    for (const TRecordingBoard* board : std::as_const(boards)) {
        QStringList messages;
        for (const unsigned message : board->Received)
            messages << QString::number(message);
        received << messages.join(u' ');
    }
    QCOMPARE(received, Received);
    QCOMPARE(TMessageLog::Instance().Texts(), QStringList());
}

SETTINGS_TEST_MAIN(THelpFormTest)
#include "tst_helpform.moc"
