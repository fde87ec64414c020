#include "components/SetupSupporter.h"
#include "components/TechForm.h"
#include "platform/AnchorKeeper.h"
#include "platform/Form.h"
#include "support/TestMain.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString CallHow =
    QStringLiteral("weekdays from 8:00 a.m. to 5:00 p.m. Pacific Time at (858) 555-0142");

// A main window, first of the test, with a supporter that builds the support window.
struct TFixture
{
    std::unique_ptr<TForm> Main = std::make_unique<TForm>();
    TSetupSupporter* Sup = new TSetupSupporter(Main.get());

    TTechForm* Build(const QString& Company, const QString& How)
    {
        Sup->SetCompanyName(Company);
        Sup->SetCallHow(How);
        Sup->BuildWindows();
        return Sup->TechForm();
    }
};

} // namespace

class TTechFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void SupportText_data();
    void SupportText();
    void BuiltWindow();
    void CloseAndEscHide_data();
    void CloseAndEscHide();
};

void TTechFormTest::init()
{
    TMessageLog::Instance().Clear();
}

void TTechFormTest::SupportText_data()
{
    QTest::addColumn<QString>("Company");
    QTest::addColumn<QString>("How");
    QTest::addColumn<QString>("Expected");

    QTest::newRow("program content")
        << "Quorvan" << CallHow
        << "There are several ways to get technical support. First and fastest is to skim the "
           "relevant sections of the manual. However, some questions require personal "
           "assistance, and Quorvan stands ready to provide that help. You can call us weekdays "
           "from 8:00 a.m. to 5:00 p.m. Pacific Time at (858) 555-0142 for any of your product "
           "questions.\r\n\r\nIn order to provide the best and fastest support possible, we ask "
           "that you be at your computer when you call, and have the Quorvan product manual and "
           "Companion CD at hand.";
    QTest::newRow("empty call how")
        << "Quorvan"
        << ""
        << "There are several ways to get technical support. First and fastest is to skim the "
           "relevant sections of the manual. However, some questions require personal "
           "assistance, and Quorvan stands ready to provide that help. You can call us  for any "
           "of your product questions.\r\n\r\nIn order to provide the best and fastest support "
           "possible, we ask that you be at your computer when you call, and have the Quorvan "
           "product manual and Companion CD at hand.";
}

void TTechFormTest::SupportText()
{
    QFETCH(QString, Company);
    QFETCH(QString, How);
    QFETCH(QString, Expected);

    QCOMPARE(TTechForm::SupportText(Company, How), Expected);

    TFixture fixture;
    TTechForm* tech = fixture.Build(Company, How);
    // The memo shows two paragraphs with one empty line between them.
    const QStringList lines = tech->TechMemo->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(1).isEmpty());
    QCOMPARE(lines.join(QStringLiteral("\r\n")), Expected);
    QCOMPARE(tech->TechMemo->document()->blockCount(), 3);
}

void TTechFormTest::BuiltWindow()
{
    TFixture fixture;
    TTechForm* tech = fixture.Build(QStringLiteral("Quorvan"), CallHow);
    QVERIFY(tech);
    QCOMPARE(tech->objectName(), QStringLiteral("TechForm"));
    QCOMPARE(tech->parent(), fixture.Main.get());
    QCOMPARE(tech->Caption(), QStringLiteral("Technical Support"));
    QCOMPARE(tech->FormStyle(), TForm::fsStayOnTop);
    QCOMPARE(tech->Position(), TForm::poDefaultPosOnly);
    QVERIFY2(!tech->isVisible(), "only the Help menu shows the support window");

    QPlainTextEdit* memo = tech->TechMemo;
    QCOMPARE(memo->objectName(), QStringLiteral("TechMemo"));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QPushButton* close = tech->CloseButton;
    QCOMPARE(close->objectName(), QStringLiteral("CloseButton"));
    QCOMPARE(close->text(), QStringLiteral("Close"));

    // Fitted to the controls: both moved by -8, -8; Close centred again.
    QCOMPARE(QSize(tech->ClientWidth(), tech->ClientHeight()), QSize(305, 122));
    QCOMPARE(memo->geometry(), QRect(0, 0, 305, 89));
    QCOMPARE(close->geometry(), QRect(116, 97, 73, 25));
    QCOMPARE(Platform::GetAnchors(memo),
             Platform::akLeft | Platform::akTop | Platform::akRight | Platform::akBottom);
    QCOMPARE(Platform::GetAnchors(close), Platform::TAnchors(Platform::akBottom));

    tech->show();
    QVERIFY(QTest::qWaitForWindowExposed(tech));
    QTRY_COMPARE(QApplication::focusWidget(), close);
    tech->SetClientSize(405, 222);
    QTRY_COMPARE(memo->geometry(), QRect(0, 0, 405, 189));
    QCOMPARE(close->geometry(), QRect(166, 197, 73, 25));
}

void TTechFormTest::CloseAndEscHide_data()
{
    QTest::addColumn<bool>("UseEsc");

    QTest::newRow("Close button") << false;
    QTest::newRow("Esc") << true;
}

void TTechFormTest::CloseAndEscHide()
{
    QFETCH(bool, UseEsc);

    TFixture fixture;
    TTechForm* tech = fixture.Build(QStringLiteral("Quorvan"), CallHow);
    tech->show();
    QVERIFY(QTest::qWaitForWindowExposed(tech));
    tech->move(150, 120);
    QTRY_COMPARE(tech->pos(), QPoint(150, 120));
    const QString text = tech->TechMemo->toPlainText();

    if (UseEsc) {
        tech->TechMemo->setFocus();
        QTest::keyClick(tech->TechMemo, Qt::Key_Escape);
    } else {
        QTest::mouseClick(tech->CloseButton, Qt::LeftButton);
    }
    QVERIFY(!tech->isVisible());
    QCOMPARE(fixture.Sup->TechForm(), tech);

    // Shown again where it was, with the same text.
    tech->setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(tech));
    QCOMPARE(tech->pos(), QPoint(150, 120));
    QCOMPARE(tech->TechMemo->toPlainText(), text);
    QCOMPARE(TMessageLog::Instance().Texts(), QStringList());
}

SETTINGS_TEST_MAIN(TTechFormTest)
#include "tst_techform.moc"
