#include "components/RadioPanel.h"
#include "platform/AnchorKeeper.h"

#include <QMetaProperty>
#include <QPalette>
#include <QTest>

using Platform::akBottom;
using Platform::akLeft;
using Platform::akRight;
using Platform::akTop;
using Platform::TAnchors;

class TestRadioPanel : public QObject
{
    Q_OBJECT

private slots:
    void NewPanelDefaults();
    void PublishedPropertiesInStreamingOrder();
    void OmittedBevelOuterStaysNone();
    void FinalAnchorsWaitForHosting();
    void LinesAreCopiedNotShared();
    void PaintsColourAndBevels_data();
    void PaintsColourAndBevels();
};

void TestRadioPanel::NewPanelDefaults()
{
    QWidget owner;
    TRadioPanel panel(&owner);
    QCOMPARE(panel.size(), QSize(194, 100));
    QVERIFY(panel.isHidden());
    owner.show();
    QVERIFY2(!panel.isVisible(), "a panel stays hidden when its window shows");
    QCOMPARE(panel.BevelOuter(), Platform::bvNone);
    QCOMPARE(panel.BevelInner(), Platform::bvNone);
    QCOMPARE(panel.BevelWidth(), 1);
    QCOMPARE(panel.BorderWidth(), 0);
    QCOMPARE(panel.Color(), Platform::clBtnFace);
    QVERIFY(panel.Lines().isEmpty());
    QCOMPARE(panel.MemoHeight(), 58);
    QCOMPARE(panel.FinalAnchors(), TAnchors(akLeft | akTop));
    QCOMPARE(Platform::GetAnchors(&panel), TAnchors(akLeft | akTop));
    QVERIFY(!panel.Hosted());
    QVERIFY(!panel.RadioEnabled());
    QVERIFY(!panel.OnRadioChange() && !panel.OnActivate() && !panel.OnDeactivate());
    QVERIFY(panel.windowTitle().isEmpty());
}

void TestRadioPanel::PublishedPropertiesInStreamingOrder()
{
    const QStringList expected = {"RadioEnabled", "Lines",         "MemoHeight", "FinalAnchors",
                                  "BevelInner",   "BevelOuter",    "BevelWidth", "BorderWidth",
                                  "Color",        "OnRadioChange", "OnActivate", "OnDeactivate"};
    const QMetaObject& meta = TRadioPanel::staticMetaObject;
    QStringList published;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        QVERIFY(meta.property(i).isReadable() && meta.property(i).isWritable());
        published << QString::fromLatin1(meta.property(i).name());
    }
    QCOMPARE(published, expected);
}

void TestRadioPanel::OmittedBevelOuterStaysNone()
{
    // Content that stores other properties but not BevelOuter, written as the loader does.
    TRadioPanel panel;
    QVERIFY(panel.setProperty("MemoHeight", 40));
    QVERIFY(panel.setProperty("Lines", QStringList{QStringLiteral("text")}));
    QCOMPARE(panel.BevelOuter(), Platform::bvNone);

    const QMetaProperty bevel =
        panel.metaObject()->property(panel.metaObject()->indexOfProperty("BevelOuter"));
    QVERIFY(bevel.write(&panel, QVariant::fromValue(Platform::TBevelCut(
                                    bevel.enumerator().keyToValue("bvRaised")))));
    QCOMPARE(panel.BevelOuter(), Platform::bvRaised);
}

void TestRadioPanel::FinalAnchorsWaitForHosting()
{
    QWidget mainWindow;
    mainWindow.resize(400, 300);
    auto* panel = new TRadioPanel(&mainWindow);
    panel->setGeometry(-88, 136, 145, 60);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    const TAnchors all(akLeft | akTop | akRight | akBottom);
    panel->SetFinalAnchors(all);
    QCOMPARE(Platform::GetAnchors(panel), TAnchors(akLeft | akTop));
    mainWindow.resize(600, 500);
    QCOMPARE(panel->geometry(), QRect(-88, 136, 145, 60));

    // The popup's part, standing in for it here.
    QWidget popup;
    panel->move(0, 0);
    panel->setVisible(true);
    popup.resize(145, 60 + 58 + 51);
    panel->setParent(&popup);
    panel->show();
    panel->MarkHosted();
    QVERIFY(panel->Hosted());
    QCOMPARE(Platform::GetAnchors(panel), all);
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    popup.resize(185, 60 + 58 + 51 + 30);
    QCOMPARE(panel->geometry(), QRect(0, 0, 185, 90));

    // Once hosted, a change applies at once.
    panel->SetFinalAnchors(TAnchors(akLeft | akTop));
    QCOMPARE(Platform::GetAnchors(panel), TAnchors(akLeft | akTop));
    popup.resize(300, 300);
    QCOMPARE(panel->geometry(), QRect(0, 0, 185, 90));
}

void TestRadioPanel::LinesAreCopiedNotShared()
{
    TRadioPanel panel;
    QStringList lines = {QStringLiteral("DC Input power connector."), QString()};
    panel.SetLines(lines);
    lines[0] = QStringLiteral("changed");
    lines.append(QStringLiteral("more"));
    QCOMPARE(panel.Lines(), QStringList({QStringLiteral("DC Input power connector."), QString()}));
}

void TestRadioPanel::PaintsColourAndBevels_data()
{
    QTest::addColumn<Platform::TBevelCut>("outer");
    QTest::addColumn<int>("topLeftRole");
    QTest::addColumn<int>("bottomRightRole");

    QTest::newRow("no bevel") << Platform::bvNone << -1 << -1;
    QTest::newRow("raised") << Platform::bvRaised << int(QPalette::Light) << int(QPalette::Dark);
    QTest::newRow("lowered") << Platform::bvLowered << int(QPalette::Dark) << int(QPalette::Light);
}

void TestRadioPanel::PaintsColourAndBevels()
{
    QFETCH(Platform::TBevelCut, outer);
    QFETCH(int, topLeftRole);
    QFETCH(int, bottomRightRole);

    TRadioPanel panel;
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Light, QColor(0xF0, 0xF1, 0xF2));
    palette.setColor(QPalette::Dark, QColor(0x30, 0x31, 0x32));
    panel.setPalette(palette);
    panel.SetColor(Platform::clWhite);
    panel.SetBevelOuter(outer);
    const QImage image = panel.grab().toImage();

    const QColor white(Qt::white);
    QCOMPARE(QColor(image.pixel(97, 50)), white);
    const QColor topLeft =
        topLeftRole < 0 ? white : palette.color(QPalette::ColorRole(topLeftRole));
    const QColor bottomRight =
        bottomRightRole < 0 ? white : palette.color(QPalette::ColorRole(bottomRightRole));
    QCOMPARE(QColor(image.pixel(50, 0)), topLeft);
    QCOMPARE(QColor(image.pixel(0, 50)), topLeft);
    QCOMPARE(QColor(image.pixel(50, 99)), bottomRight);
    QCOMPARE(QColor(image.pixel(193, 50)), bottomRight);
    QCOMPARE(QColor(image.pixel(1, 1)), white);
}

QTEST_MAIN(TestRadioPanel)
#include "tst_radiopanel.moc"
