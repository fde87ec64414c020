#include "components/BoardHighlight.h"
#include "components/BoardImage.h"
#include "components/RadioPanel.h"
#include "platform/AnchorKeeper.h"
#include "platform/ContentLoader.h"
#include "platform/Label.h"
#include "support/TestMain.h"

// A window whose content the tests write.
class TLoaderTestForm : public TForm
{
    Q_OBJECT

public:
    Q_INVOKABLE void PanelClick(QObject* Sender) { Clicks << Sender->objectName(); }
    Q_INVOKABLE void FormCreate(QObject*) { Created = true; }

    QStringList Clicks;
    bool Created = false;
};

namespace {

QByteArray Content(const QByteArray& Components, const QByteArray& FormProperties = "[]")
{
    return R"({"class": "TLoaderTestForm", "properties": )" + FormProperties +
           R"(, "components": [)" + Components + "]}";
}

struct TLoad
{
    TLoaderTestForm Form;
    QStringList Errors;

    explicit TLoad(const QByteArray& Json)
    {
        TContentLoader(&Form, [this](const Exception& E) { Errors << E.Message(); }).Load(Json);
    }
};

} // namespace

class TContentLoaderTest : public QObject
{
    Q_OBJECT

private slots:
    void buildsComponentsInOrderWithLateReferences();
    void badEntriesAreReportedAndSkipped_data();
    void badEntriesAreReportedAndSkipped();
    void wholeContentErrors_data();
    void wholeContentErrors();
    void brokenPictureIsReportedAndLoadingGoesOn();
};

void TContentLoaderTest::buildsComponentsInOrderWithLateReferences()
{
    TLoad load(Content(R"(
        {"name": "Board", "class": "TBoardImage", "properties": [["Left", 150], ["Top", 98],
            ["Width", 600], ["Height", 642], ["First", {"ref": "Second"}], ["AutoSize", false],
            ["Stretch", true]],
         "components": [
            {"name": "First", "class": "TBoardHighlight", "properties": [["HighlightType", "htOptions"],
                ["Title", "&One"], ["RadioPanel", {"ref": "Panel"}]]},
            {"name": "Second", "class": "TBoardHighlight", "properties": [["Left", 10],
                ["Title", "&Two"]]}]},
        {"name": "Panel", "class": "TRadioPanel", "properties": [["Left", -88], ["Top", 408],
            ["Width", 145], ["Height", 9], ["BevelOuter", "bvNone"],
            ["FinalAnchors", ["akLeft", "akBottom"]], ["Lines", ["A", "", "±5V"]],
            ["OnActivate", {"handler": "PanelClick"}]],
         "components": [{"name": "Caption1", "class": "TLabel", "properties": [["Caption", "3.3V"],
            ["Alignment", "taRightJustify"], ["AutoSize", false]]}]}
    )",
                       R"([["Caption", "Loaded"], ["OnCreate", {"handler": "FormCreate"}]])"));
    QVERIFY2(load.Errors.isEmpty(), qPrintable(load.Errors.join(u'\n')));
    QCOMPARE(load.Form.Caption(), QStringLiteral("Loaded"));
    auto* board = load.Form.findChild<TBoardImage*>(QStringLiteral("Board"));
    QVERIFY(board);
    QCOMPARE(board->geometry(), QRect(150, 98, 600, 642));
    QCOMPARE(board->parentWidget(), load.Form.Client());
    const auto circles = board->findChildren<TBoardHighlight*>();
    QCOMPARE(circles.size(), 2);
    QCOMPARE(circles[0]->objectName(), QStringLiteral("First"));
    QCOMPARE(circles[0]->HighlightType(), TBoardHighlight::htOptions);
    QCOMPARE(board->First(), circles[1]);
    auto* panel = load.Form.findChild<TRadioPanel*>(QStringLiteral("Panel"));
    QCOMPARE(circles[0]->RadioPanel(), panel);
    QCOMPARE(panel->Lines(), (QStringList{"A", "", "±5V"}));
    QCOMPARE(panel->FinalAnchors(), Platform::TAnchors(Platform::akLeft | Platform::akBottom));
    QCOMPARE(panel->pos(), QPoint(-88, 408));
    auto* label = panel->findChild<TLabel*>(QStringLiteral("Caption1"));
    QVERIFY(label);
    QCOMPARE(label->Alignment(), Platform::taRightJustify);
    QCOMPARE(Platform::GetAnchors(panel), Platform::TAnchors(Platform::akLeft | Platform::akTop));
    panel->OnActivate()(panel);
    QCOMPARE(load.Form.Clicks, QStringList{QStringLiteral("Panel")});
    QVERIFY2(!load.Form.Created, "the loader leaves OnCreate to the form");
    load.Form.GetOnCreate()(&load.Form);
    QVERIFY(load.Form.Created);
}

void TContentLoaderTest::badEntriesAreReportedAndSkipped_data()
{
    QTest::addColumn<QByteArray>("component");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown class")
        << QByteArray(R"({"name": "X", "class": "TNope"})") << "X: Class TNope not found";
    QTest::newRow("unknown property")
        << QByteArray(R"({"name": "X", "class": "TRadioPanel", "properties": [["Colour", 1]]})")
        << "Error reading X.Colour: property does not exist";
    QTest::newRow("unknown enum name")
        << QByteArray(
               R"({"name": "X", "class": "TRadioPanel", "properties": [["BevelOuter", "bvDeep"]]})")
        << "Error reading X.BevelOuter: invalid property value";
    QTest::newRow("text for a number")
        << QByteArray(
               R"({"name": "X", "class": "TRadioPanel", "properties": [["MemoHeight", "58"]]})")
        << "Error reading X.MemoHeight: whole number from -2147483648 to 2147483647 expected";
    QTest::newRow("fraction for a number")
        << QByteArray(R"({"name": "X", "class": "TRadioPanel", "properties": [["Left", 1.5]]})")
        << "Error reading X.Left: whole number from -100000 to 100000 expected";
    QTest::newRow("missing reference")
        << QByteArray(
               R"({"name": "X", "class": "TBoardImage", "properties": [["First", {"ref": "Gone"}]]})")
        << "Error reading X.First: component Gone not found";
    QTest::newRow("reference of the wrong class")
        << QByteArray(
               R"({"name": "X", "class": "TBoardImage", "properties": [["First", {"ref": "Later"}]]})")
        << "Error reading X.First: Later is not a TBoardHighlight";
    QTest::newRow("unknown handler")
        << QByteArray(
               R"({"name": "X", "class": "TRadioPanel", "properties": [["OnActivate", {"handler": "Nope"}]]})")
        << "Error reading X.OnActivate: method Nope not found";
    QTest::newRow("duplicate name") << QByteArray(R"({"name": "Later", "class": "TRadioPanel"})")
                                    << "Later: A component named Later already exists";
    QTest::newRow("not a pair")
        << QByteArray(R"({"name": "X", "class": "TRadioPanel", "properties": [["Lines"]]})")
        << "Error reading X.?: a property is a [name, value] pair";
}

void TContentLoaderTest::badEntriesAreReportedAndSkipped()
{
    QFETCH(QByteArray, component);
    QFETCH(QString, error);
    TLoad load(Content(
        R"({"name": "Later", "class": "TRadioPanel"}, )" + component +
        R"(, {"name": "After", "class": "TRadioPanel", "properties": [["MemoHeight", 70]]})"));
    QCOMPARE(load.Errors, QStringList{error});
    auto* after = load.Form.findChild<TRadioPanel*>(QStringLiteral("After"));
    QVERIFY2(after && after->MemoHeight() == 70, "loading goes on after an error");
}

void TContentLoaderTest::wholeContentErrors_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");
    QTest::newRow("not JSON") << QByteArray("{\"class\": ") << "Window content is not valid";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << "Window content is not valid";
    QTest::newRow("another window's content")
        << QByteArray(R"({"class": "TOtherForm"})") << "Window content is for TOtherForm";
}

void TContentLoaderTest::wholeContentErrors()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    TLoaderTestForm form;
    try {
        TContentLoader(&form, [](const Exception&) {}).Load(content);
        QFAIL("broken content loaded without an error");
    } catch (const EContentError& caught) {
        QVERIFY2(caught.Message().startsWith(error), qPrintable(caught.Message()));
    }
}

void TContentLoaderTest::brokenPictureIsReportedAndLoadingGoesOn()
{
    TLoad load(Content(R"(
        {"name": "Board", "class": "TBoardImage", "properties": [["Picture", {"picture": ":/content/MainForm.json"}],
            ["Stretch", true]]})"));
    QCOMPARE(load.Errors.size(), 1);
    QVERIFY2(load.Errors[0].startsWith(QStringLiteral("Error reading Board.Picture: ")),
             qPrintable(load.Errors[0]));
    auto* board = load.Form.findChild<TBoardImage*>(QStringLiteral("Board"));
    QVERIFY(board->Stretch());
    QVERIFY2(!board->Picture().HasGraphic(), "the panel shows its face colour");
    QVERIFY(!board->Opaque());
}

SETTINGS_TEST_MAIN(TContentLoaderTest)
#include "tst_contentloader.moc"
