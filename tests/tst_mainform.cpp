#include "app/MainForm.h"
#include "components/BoardHighlight.h"
#include "components/BoardImage.h"
#include "components/RadioPanel.h"
#include "components/SetupSupporter.h"
#include "components/ThreeJumper.h"
#include "platform/Exceptions.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/RadioButton.h"
#include "platform/RadioGroup.h"
#include "support/TestMain.h"

#include <QRadioButton>

using TJS = TThreeJumper::TJumperState;

namespace {

char Letter(TJS State)
{
    return State == TThreeJumper::jsLeft ? 'L' : State == TThreeJumper::jsRight ? 'R' : 'O';
}

// "TTL0 R/0 TTL1 R/0 Range R,R/U10": each jumper's state and its option's selection.
QString Snapshot(const TMainForm& Form)
{
    const QString range = Form.B5Radio->Checked()    ? QStringLiteral("B5")
                          : Form.U10Radio->Checked() ? QStringLiteral("U10")
                                                     : QStringLiteral("none");
    return QStringLiteral("TTL0 %1/%2 TTL1 %3/%4 Range %5,%6/%7")
        .arg(Letter(Form.TTLJumper0->JumperState()))
        .arg(Form.TTLRadios0->ItemIndex())
        .arg(Letter(Form.TTLJumper1->JumperState()))
        .arg(Form.TTLRadios1->ItemIndex())
        .arg(Letter(Form.RangeJumper0->JumperState()))
        .arg(Letter(Form.RangeJumper1->JumperState()))
        .arg(range);
}

QRadioButton* GroupButton(TRadioGroup* Group, int Index)
{
    return Group->findChildren<QRadioButton*>().value(Index);
}

// A radio button takes clicks on its indicator and text, not on the empty rest.
void ClickIndicator(QWidget* Button)
{
    QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(7, Button->height() / 2));
}

void Open(TThreeJumper* Jumper)
{
    Jumper->SetAllowOpen(true);
    Jumper->SetJumperState(TThreeJumper::jsOpen);
}

} // namespace

class TMainFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TMessageLog::Instance().Clear(); }
    void contentLoadsWithItsValues();
    void startsConsistent();
    void handlers_data();
    void handlers();
    void rangeJumperClickNeedsAJumper();
    void menuBarAfterFirstPaints();
};

void TMainFormTest::contentLoadsWithItsValues()
{
    TMainForm form;
    QVERIFY2(TMessageLog::Instance().Entries().isEmpty(),
             qPrintable(TMessageLog::Instance().Texts().join(u'\n')));
    QCOMPARE(form.Caption(), QStringLiteral("Setup"));
    QCOMPARE(form.WindowState(), TForm::wsMaximized);
    QCOMPARE(form.Color(), Platform::clWhite);
    QCOMPARE(form.Menu(), form.MainMenu1);
    QCOMPARE(form.Controls().value(0), form.BoardImage1);
    QCOMPARE(form.BoardImage1->geometry(), QRect(150, 98, 600, 642));
    QVERIFY(form.BoardImage1->Stretch());
    QVERIFY(!form.BoardImage1->AutoSize());
    QCOMPARE(QSize(form.BoardImage1->Picture().Width(), form.BoardImage1->Picture().Height()),
             QSize(561, 600));
    QCOMPARE(form.BoardImage1->First(), form.TTLHighlight0);
    QCOMPARE(form.BoardImage1->Menu(), form.MainMenu1);
    const auto circles = form.BoardImage1->findChildren<TBoardHighlight*>();
    QCOMPARE(circles.size(), 9);
    QCOMPARE(circles[0], form.USBHighlight);
    QCOMPARE(circles[8], form.AnalogRangeHighlight);
    QCOMPARE(form.MainConnHighlight1->geometry(), QRect(104, 514, 424, 127));
    QCOMPARE(form.MainConnHighlight1->RadioPanel(), form.MainConnPanel);
    QCOMPARE(form.TTLHighlight1->HighlightType(), TBoardHighlight::htSettings);
    QCOMPARE(form.DCINHighlight->HighlightType(), TBoardHighlight::htOptions);
    QCOMPARE(form.TTLHighlight0->Title(), QStringLiteral("&5V/3.3V Digital"));
    QCOMPARE(form.AnalogRangeHighlight->Title(), QStringLiteral("Analog Range"));
    QCOMPARE(form.TTLPanel->geometry(), QRect(360, 328, 257, 161));
    QVERIFY2(form.TTLPanel->isHidden(), "explanation panels never show on the main window");
    QCOMPARE(form.DCINPanel->Lines(),
             (QStringList{"DC Input power connector.", "",
                          "Plug in power before plugging in the USB cable."}));
    QCOMPARE(form.AnalogRangePanel->Lines().value(2),
             QStringLiteral("If your board has a factory-option range, ±10V or 0-5V, it won't "
                            "have these jumpers."));
    QCOMPARE(form.Image1->size(), QSize(117, 48));
    QCOMPARE(form.Image1->Picture().Kind(), TPicture::gkBitmap);
    QCOMPARE(form.Label5->Caption(), QStringLiteral("3.3V"));
    QCOMPARE(form.Label5->Alignment(), Platform::taRightJustify);
    QCOMPARE(form.TTLJumper1->geometry(), QRect(40, 24, 43, 18));
    QVERIFY(!form.RangeJumper0->AllowOpen());
    QCOMPARE(form.TTLRadios1->Caption(), QStringLiteral(" Digital Bits 8-15 "));
    QCOMPARE(form.TTLRadios1->Items(), (QStringList{"5V (CMOS)", "3.3V (LVTTL)"}));
    QCOMPARE(form.B5Radio->Caption(), QStringLiteral("±5V"));
    QCOMPARE(form.SetSup->CompanyName(), QStringLiteral("Quorvan"));
    QCOMPARE(form.SetSup->CardName(), QStringLiteral("KX-2040"));
    QCOMPARE(form.SetSup->property("Channels").toInt(), 4);
    QVERIFY(form.SetSup->property("CallHow").toString().contains(QStringLiteral("555-01")));
    QVERIFY2(TApplication::Instance()->OnIdle, "the creation handler installs the idle hook");
}

void TMainFormTest::startsConsistent()
{
    TMainForm form;
    QCOMPARE(Snapshot(form), QStringLiteral("TTL0 R/0 TTL1 R/0 Range R,R/U10"));
}

void TMainFormTest::handlers_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("snapshots");
    QTest::newRow("click TTLJumper0 twice")
        << QStringList{"click TTLJumper0", "click TTLJumper0"}
        << QStringList{"TTL0 L/1 TTL1 R/0 Range R,R/U10", "TTL0 R/0 TTL1 R/0 Range R,R/U10"};
    QTest::newRow("click TTLJumper1")
        << QStringList{"click TTLJumper1"} << QStringList{"TTL0 R/0 TTL1 L/1 Range R,R/U10"};
    QTest::newRow("choose 3.3V then 5V in TTLRadios1")
        << QStringList{"choose TTLRadios1 1", "choose TTLRadios1 0", "choose TTLRadios1 0"}
        << QStringList{"TTL0 R/0 TTL1 L/1 Range R,R/U10", "TTL0 R/0 TTL1 R/0 Range R,R/U10",
                       "TTL0 R/0 TTL1 R/0 Range R,R/U10"};
    QTest::newRow("choose 3.3V in TTLRadios0")
        << QStringList{"choose TTLRadios0 1"} << QStringList{"TTL0 L/1 TTL1 R/0 Range R,R/U10"};
    QTest::newRow("click either range jumper")
        << QStringList{"click RangeJumper1", "click RangeJumper0"}
        << QStringList{"TTL0 R/0 TTL1 R/0 Range L,L/B5", "TTL0 R/0 TTL1 R/0 Range R,R/U10"};
    QTest::newRow("check B5Radio then U10Radio")
        << QStringList{"check B5Radio", "check U10Radio"}
        << QStringList{"TTL0 R/0 TTL1 R/0 Range L,L/B5", "TTL0 R/0 TTL1 R/0 Range R,R/U10"};
    QTest::newRow("TTLRadios0 with no selection")
        << QStringList{"choose TTLRadios0 1", "select TTLRadios0 -1"}
        << QStringList{"TTL0 L/1 TTL1 R/0 Range R,R/U10", "TTL0 R/0 TTL1 R/0 Range R,R/U10"};
    QTest::newRow("open digital-level jumper reads 5V")
        << QStringList{"click TTLJumper1", "open TTLJumper1", "handle TTLJumper1"}
        << QStringList{"TTL0 R/0 TTL1 L/1 Range R,R/U10", "TTL0 R/0 TTL1 O/1 Range R,R/U10",
                       "TTL0 R/0 TTL1 R/0 Range R,R/U10"};
    QTest::newRow("open range jumper reads plus-minus 5V")
        << QStringList{"open RangeJumper1", "handle RangeJumper1"}
        << QStringList{"TTL0 R/0 TTL1 R/0 Range R,O/U10", "TTL0 R/0 TTL1 R/0 Range L,L/B5"};
    QTest::newRow("no range option chosen settles on plus-minus 5V")
        << QStringList{"uncheck U10Radio", "handle RangeRadio"}
        << QStringList{"TTL0 R/0 TTL1 R/0 Range R,R/none", "TTL0 R/0 TTL1 R/0 Range L,L/B5"};
}

void TMainFormTest::handlers()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, snapshots);
    TMainForm form;
    // The option controls are clicked where a user sees them: on their panels.
    form.TTLPanel->show();
    form.AnalogRangePanel->show();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto jumper = [&form](const QString& Name) {
        return form.findChild<TThreeJumper*>(Name);
    };
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const QStringList words = actions[i].split(u' ');
        const QString& verb = words[0];
        const QString& target = words[1];
        if (verb == QLatin1String("click")) {
            QTest::mouseClick(jumper(target), Qt::LeftButton);
        } else if (verb == QLatin1String("choose")) {
            auto* group = form.findChild<TRadioGroup*>(target);
            ClickIndicator(GroupButton(group, words[2].toInt()));
        } else if (verb == QLatin1String("select")) {
            form.findChild<TRadioGroup*>(target)->SetItemIndex(words[2].toInt());
        } else if (verb == QLatin1String("check")) {
            ClickIndicator(form.findChild<TRadioButton*>(target));
        } else if (verb == QLatin1String("uncheck")) {
            form.findChild<TRadioButton*>(target)->SetChecked(false);
        } else if (verb == QLatin1String("open")) {
            Open(jumper(target));
        } else if (verb == QLatin1String("handle") && target == QLatin1String("RangeRadio")) {
            form.RangeRadioClick(form.U10Radio);
        } else if (verb == QLatin1String("handle")) {
            jumper(target)->OnClick()(jumper(target));
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown action ") + actions[i]));
        }
        QVERIFY2(Snapshot(form) == snapshots[i],
                 qPrintable(QStringLiteral("after '%1': %2").arg(actions[i], Snapshot(form))));
    }
    QVERIFY2(TMessageLog::Instance().Entries().isEmpty(), "no handler reports an error");
}

void TMainFormTest::rangeJumperClickNeedsAJumper()
{
    TMainForm form;
    QVERIFY_THROWS_EXCEPTION(EInvalidCast, form.RangeJumperClick(form.B5Radio));
    QCOMPARE(Snapshot(form), QStringLiteral("TTL0 R/0 TTL1 R/0 Range R,R/U10"));
    // Wired to a control's click, the error reaches the standard report and the
    // program goes on.
    form.AnalogRangePanel->show();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.B5Radio->SetOnClick([&form](QObject* Sender) { form.RangeJumperClick(Sender); });
    ClickIndicator(form.B5Radio);
    QCOMPARE(TMessageLog::Instance().Texts(),
             QStringList{QStringLiteral("Invalid class typecast")});
    QCOMPARE(TMessageLog::Instance().Entries()[0].Flags, MB_OK | MB_ICONHAND);
    QCOMPARE(Snapshot(form), QStringLiteral("TTL0 R/0 TTL1 R/0 Range R,R/B5"));
}

void TMainFormTest::menuBarAfterFirstPaints()
{
    TMainForm form;
    form.ShowAsDesigned();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto circles = form.BoardImage1->findChildren<TBoardHighlight*>();
    QTRY_VERIFY(std::all_of(circles.begin(), circles.end(),
                            [](TBoardHighlight* C) { return C->Prepared(); }));
    QStringList bar;
    QStringList settings;
    QStringList options;
    for (int i = 0; i < form.MainMenu1->Count(); ++i) {
        TMenuItem* kind = form.MainMenu1->Items(i);
        bar << kind->Caption();
        for (int j = 0; j < kind->Count(); ++j) {
            if (kind->Caption() == QLatin1String("&Settings"))
                settings << kind->Items(j)->Caption();
            if (kind->Caption() == QLatin1String("&Options"))
                options << kind->Items(j)->Caption();
        }
    }
    QCOMPARE(bar, (QStringList{"&File", "&Settings", "&Options", "&Help"}));
    QCOMPARE(settings, (QStringList{"&5V/3.3V Digital", "Analog Range"}));
    QCOMPARE(options, (QStringList{"&USB Connector", "&DC Power", "&LED Light",
                                   "&Sub USB Connector", "&37-pin Connectors"}));
    QCOMPARE(form.MainMenu1->Items(1)->objectName(), QStringLiteral("Settings1"));
    QCOMPARE(form.MainMenu1->Items(2)->Items(0)->objectName(), QStringLiteral("USBConnector1"));
}

SETTINGS_TEST_MAIN(TMainFormTest)
#include "tst_mainform.moc"
