#include "components/BoardHighlight.h"
#include "components/PopupForm.h"
#include "support/BoardFixture.h"
#include "support/TestMain.h"

using THT = TBoardHighlight::THighlightType;

namespace {

struct TImages
{
    QImage Idle;
    QImage Lit;
    QImage Hot;
};

// Shades three 65x65 grey images as a circle of the given kind does.
TImages ShadedGrey(THT Type)
{
    TBoardHighlight circle;
    circle.SetHighlightType(Type);
    const Platform::TColor colour = Type == TBoardHighlight::htOptions    ? Platform::clBlue
                                    : Type == TBoardHighlight::htSettings ? Platform::clYellow
                                                                          : Platform::clRed;
    const float idle = Type == TBoardHighlight::htOptions ? 0.25f : 0.5f;
    const float lit = Type == TBoardHighlight::htOptions ? 0.5f : 0.75f;
    TImages images;
    for (QImage* image : {&images.Idle, &images.Lit, &images.Hot}) {
        *image = QImage(65, 65, QImage::Format_RGB32);
        image->fill(QColor(128, 128, 128));
    }
    TBoardHighlight::ShadeEllipse(images.Idle, 64, 64, idle, colour, false);
    TBoardHighlight::ShadeEllipse(images.Lit, 64, 64, lit, colour, false);
    TBoardHighlight::ShadeEllipse(images.Hot, 64, 64, 1.0f, colour, true);
    return images;
}

QString Rgb(QRgb Pixel)
{
    return QStringLiteral("%1,%2,%3").arg(qRed(Pixel)).arg(qGreen(Pixel)).arg(qBlue(Pixel));
}

} // namespace

class TBoardHighlightTest : public QObject
{
    Q_OBJECT

private slots:
    void shading_data();
    void shading();
    void shadingTouchesExactlyTheEllipse_data();
    void shadingTouchesExactlyTheEllipse();
    void titleForms_data();
    void titleForms();
    void typeSetsColourAndIntensities();
    void firstPaintCapturesThePhotograph();
    void enteringLightsTheGroupOnly();
    void forwardedEntryIsNotPassedOn();
    void enteringALitCircleDoesNothing();
    void activeWalkReachesEveryMemberOnce();
    void notOnABoardHasNoGroup();
};

void TBoardHighlightTest::shading_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("expected");
    const int settings = TBoardHighlight::htSettings;
    const int options = TBoardHighlight::htOptions;
    QTest::newRow("settings idle centre") << settings << "idle" << QPoint(32, 32) << "138,138,118";
    QTest::newRow("settings lit centre") << settings << "lit" << QPoint(32, 32) << "143,143,113";
    QTest::newRow("settings hot centre") << settings << "hot" << QPoint(32, 32) << "148,148,108";
    QTest::newRow("options idle centre") << options << "idle" << QPoint(32, 32) << "123,123,133";
    QTest::newRow("settings idle ring line")
        << settings << "idle" << QPoint(60, 32) << "192,192,64";
    QTest::newRow("settings hot ring line is white")
        << settings << "hot" << QPoint(60, 32) << "255,255,255";
    QTest::newRow("hot band inner edge is yellow")
        << settings << "hot" << QPoint(58, 32) << "255,255,0";
    QTest::newRow("hot band outer edge is yellow")
        << settings << "hot" << QPoint(62, 32) << "255,255,0";
    for (const char* image : {"idle", "lit", "hot"}) {
        QTest::addRow("%s edge d = 1 untouched", image)
            << settings << image << QPoint(64, 32) << "128,128,128";
        QTest::addRow("%s top-left corner untouched", image)
            << settings << image << QPoint(0, 0) << "128,128,128";
        QTest::addRow("%s bottom-right corner untouched", image)
            << options << image << QPoint(64, 64) << "128,128,128";
    }
}

void TBoardHighlightTest::shading()
{
    QFETCH(int, type);
    QFETCH(QString, image);
    QFETCH(QPoint, pixel);
    QFETCH(QString, expected);
    const TImages images = ShadedGrey(THT(type));
    const QImage& shaded = image == QLatin1String("idle")  ? images.Idle
                           : image == QLatin1String("lit") ? images.Lit
                                                           : images.Hot;
    QCOMPARE(Rgb(shaded.pixel(pixel)), expected);
    QCOMPARE(qAlpha(shaded.pixel(pixel)), 255);
}

void TBoardHighlightTest::shadingTouchesExactlyTheEllipse_data()
{
    QTest::addColumn<QSize>("size");
    // The circle sizes of the board content, and a few awkward ones.
    for (const QSize size :
         {QSize(110, 72), QSize(93, 62), QSize(97, 29), QSize(55, 29), QSize(425, 127),
          QSize(424, 127), QSize(71, 41), QSize(69, 59), QSize(2, 2), QSize(3, 200), QSize(200, 3)})
        QTest::addRow("%dx%d", size.width(), size.height()) << size;
}

void TBoardHighlightTest::shadingTouchesExactlyTheEllipse()
{
    // Every pixel as the plain walk over the whole bitmap gives it: outside the ellipse
    // untouched, inside weighted by the ring.
    QFETCH(QSize, size);
    QImage shaded(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            shaded.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x + y) % 256));
    }
    const QImage original = shaded.copy();
    TBoardHighlight::ShadeEllipse(shaded, size.width() - 1, size.height() - 1, 0.75f,
                                  Platform::clYellow, true);
    const float sx = 2.0f / float(size.width() - 1);
    const float sy = 2.0f / float(size.height() - 1);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const float u = float(x) * sx - 1.0f;
            const float v = float(y) * sy - 1.0f;
            const float d = u * u + v * v;
            QRgb expected = original.pixel(x, y);
            if (d < 1.0f) {
                float a = 0.16f;
                if (!(d < 0.5929f)) {
                    a = (1.0f - std::fabs(std::sqrt(d) - 0.875f) * 8.0f) * 2.0f;
                    if (a > 1.0f) {
                        expected = qRgb(255, 255, 255);
                        a = 2.0f - a;
                    }
                }
                a *= 0.75f;
                const auto mix = [a](int Base, int Colour) {
                    return int(std::nearbyint(float(Base) * (1.0f - a) + float(Colour) * a));
                };
                expected = qRgb(mix(qRed(expected), 255), mix(qGreen(expected), 255),
                                mix(qBlue(expected), 0));
            }
            QVERIFY2(shaded.pixel(x, y) == expected,
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void TBoardHighlightTest::titleForms_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("stem");
    QTest::newRow("connectors") << "&37-pin Connectors"
                                << "37-pin Connectors"
                                << "pinConnectors";
    QTest::newRow("digital") << "&5V/3.3V Digital"
                             << "5V/3.3V Digital"
                             << "V33VDigital";
    QTest::newRow("no accelerator") << "Analog Range"
                                    << "Analog Range"
                                    << "AnalogRange";
    QTest::newRow("already an identifier") << "Usb_2"
                                           << "Usb_2"
                                           << "Usb_2";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("doubled ampersand") << "Save && Quit"
                                       << "Save  Quit"
                                       << "SaveQuit";
    QTest::newRow("no letters") << "&3-5"
                                << "3-5"
                                << "";
    QTest::newRow("underscore start") << "_x y"
                                      << "_x y"
                                      << "_xy";
}

void TBoardHighlightTest::titleForms()
{
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QFETCH(QString, stem);
    TBoardHighlight circle;
    circle.SetTitle(title);
    QCOMPARE(circle.CaptionTitle(), caption);
    QCOMPARE(circle.NameStem(), stem);
}

void TBoardHighlightTest::typeSetsColourAndIntensities()
{
    // Shading through the circle itself must agree with the kind's table.
    TBoardFixture fixture;
    auto* calibration = fixture.AddCircle(QStringLiteral("Cal"), QStringLiteral("&Cal"),
                                          TBoardHighlight::htCalibration, QRect(0, 0, 65, 65));
    QVERIFY(fixture.ShowAndPrepare());
    const QImage idle = calibration->IdleImage();
    QCOMPARE(idle.size(), QSize(65, 65));
    // Red at 0.5 over grey: 128 * 0.92 + 255 * 0.08 in red, 128 * 0.92 in green and blue.
    QCOMPARE(Rgb(idle.pixel(32, 32)), QStringLiteral("138,118,118"));
}

void TBoardHighlightTest::firstPaintCapturesThePhotograph()
{
    TBoardFixture fixture(QColor(20, 100, 60));
    auto* circle = fixture.AddCircle(QStringLiteral("One"), QStringLiteral("&One"),
                                     TBoardHighlight::htSettings, QRect(365, 155, 71, 41));
    QVERIFY(fixture.ShowAndPrepare());
    // Outside the ellipse the captured photograph stays as it was.
    QCOMPARE(QColor(circle->IdleImage().pixel(0, 0)), QColor(20, 100, 60));
    QCOMPARE(QColor(circle->HotImage().pixel(70, 40)), QColor(20, 100, 60));
    QVERIFY(QColor(circle->IdleImage().pixel(35, 20)) != QColor(20, 100, 60));
    // What the window shows is the idle image, copied as it is.
    const QImage shot = fixture.Form->grab().toImage();
    const QPoint centre = circle->mapTo(fixture.Form, QPoint(35, 20));
    QCOMPARE(shot.pixel(centre), circle->IdleImage().pixel(35, 20));
    QVERIFY2(fixture.KindItems(QStringLiteral("&Settings")) == QStringList{QStringLiteral("&One")},
             "the first paint registers the circle in its kind menu");
}

void TBoardHighlightTest::enteringLightsTheGroupOnly()
{
    TBoardFixture fixture;
    auto* a1 = fixture.AddCircle("A1", "&Pair", TBoardHighlight::htOptions, QRect(0, 0, 40, 40));
    auto* other =
        fixture.AddCircle("B", "&Pair", TBoardHighlight::htSettings, QRect(50, 0, 40, 40));
    auto* a2 = fixture.AddCircle("A2", "&Pair", TBoardHighlight::htOptions, QRect(100, 0, 40, 40));
    auto* caseDiffers =
        fixture.AddCircle("C", "&pair", TBoardHighlight::htOptions, QRect(150, 0, 40, 40));
    for (TBoardHighlight* circle : {a1, other, a2, caseDiffers})
        circle->SetCreatePopup(false);
    a2->Perform(CM_MOUSEENTER, 0, 0);
    QVERIFY(a1->Lit());
    QVERIFY(a2->Lit());
    QVERIFY2(!other->Lit(), "another kind is another group");
    QVERIFY2(!caseDiffers->Lit(), "titles are compared case-sensitively");
    // Without a popup nothing unlights the group.
    a2->Perform(CM_MOUSELEAVE, 0, 0);
    QVERIFY(a1->Lit());
    QVERIFY(a2->Lit());
}

void TBoardHighlightTest::forwardedEntryIsNotPassedOn()
{
    TBoardFixture fixture;
    auto* a1 = fixture.AddCircle("A1", "&Pair", TBoardHighlight::htOptions, QRect(0, 0, 40, 40));
    auto* a2 = fixture.AddCircle("A2", "&Pair", TBoardHighlight::htOptions, QRect(100, 0, 40, 40));
    a1->SetCreatePopup(false);
    a2->SetCreatePopup(false);
    a1->Perform(CM_MOUSEENTER, 1, 0);
    QVERIFY(a1->Lit());
    QVERIFY(!a2->Lit());
}

void TBoardHighlightTest::enteringALitCircleDoesNothing()
{
    TBoardFixture fixture;
    auto* circle = fixture.AddCircle("A", "&A", TBoardHighlight::htOptions, QRect(0, 0, 40, 40));
    QVERIFY(fixture.ShowAndPrepare());
    QCursor::setPos(5, 995);
    circle->Perform(CM_MOUSEENTER, 0, 0);
    TPopupForm* popup = circle->Popup();
    QVERIFY(popup && popup->isVisible());
    popup->move(300, 300);
    popup->hide();
    circle->Perform(CM_MOUSEENTER, 0, 0);
    QVERIFY2(popup->isHidden(), "a lit circle does not show its popup again");
}

void TBoardHighlightTest::activeWalkReachesEveryMemberOnce()
{
    TBoardFixture fixture;
    QList<TBoardHighlight*> members;
    QList<TBoardHighlight*> others;
    for (int i = 0; i < 7; ++i) {
        auto* circle = fixture.AddCircle(QStringLiteral("C%1").arg(i),
                                         i % 2 ? QStringLiteral("&Odd") : QStringLiteral("&Even"),
                                         TBoardHighlight::htSettings, QRect(i * 50, 0, 40, 40));
        (i % 2 ? others : members).append(circle);
    }
    members[1]->PopupActivated(true);
    for (TBoardHighlight* member : members)
        QVERIFY2(member->Active(), qPrintable(member->objectName()));
    for (TBoardHighlight* other : others)
        QVERIFY(!other->Active());
    // Every member was brought to the front: they now end the board's child list.
    const auto children = fixture.Board->findChildren<TBoardHighlight*>(Qt::FindDirectChildrenOnly);
    const QList<TBoardHighlight*> last = children.mid(children.size() - members.size());
    for (TBoardHighlight* member : members)
        QVERIFY(last.contains(member));
    members[0]->PopupActivated(false);
    for (TBoardHighlight* member : members)
        QVERIFY(!member->Active());
}

void TBoardHighlightTest::notOnABoardHasNoGroup()
{
    TForm form;
    auto* plain = new QWidget(form.Client());
    plain->setGeometry(0, 0, 200, 200);
    auto* a = new TBoardHighlight(plain);
    a->SetTitle(QStringLiteral("&Same"));
    a->SetCreatePopup(false);
    auto* b = new TBoardHighlight(plain);
    b->SetTitle(QStringLiteral("&Same"));
    b->SetCreatePopup(false);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(a->Prepared());
    QVERIFY(!a->Menu());
    QCOMPARE(a->IdleImage().size(), QSize(65, 65));
    a->Perform(CM_MOUSEENTER, 0, 0);
    QVERIFY(a->Lit());
    QVERIFY(!b->Lit());
}

SETTINGS_TEST_MAIN(TBoardHighlightTest)
#include "tst_boardhighlight.moc"
