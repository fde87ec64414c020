#include "components/RadioPanel.h"
#include "components/ThreeJumper.h"

#include <QApplication>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPalette>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

using TJumper = TThreeJumper;

// Derived from the panel: a jumper on it must not take the panel's colour.
class TDerivedPanel : public TRadioPanel
{
    Q_OBJECT

public:
    using TRadioPanel::TRadioPanel;
};

namespace {

const QColor ButtonFace(0xD4, 0xD0, 0xC8);

QString StateName(TJumper::TJumperState State)
{
    return QString::fromLatin1(QMetaEnum::fromType<TJumper::TJumperState>().valueToKey(State));
}

TJumper::TJumperState StateFromName(const QString& Name)
{
    return TJumper::TJumperState(
        QMetaEnum::fromType<TJumper::TJumperState>().keyToValue(Name.toLatin1().constData()));
}

QColor NamedColour(const QString& Name, const QColor& Background)
{
    if (Name == QLatin1String("bg"))
        return Background;
    if (Name == QLatin1String("black"))
        return Qt::black;
    if (Name == QLatin1String("gray"))
        return QColor(0x80, 0x80, 0x80);
    if (Name == QLatin1String("maroon"))
        return QColor(0x80, 0, 0);
    if (Name == QLatin1String("yellow"))
        return QColor(0xFF, 0xFF, 0);
    return QColor();
}

// Checks "x,y:colour" entries separated by blanks against a rendered picture.
void CheckPixels(const QImage& Image, const QString& Expected, const QColor& Background)
{
    for (const QString& entry : Expected.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(QRegularExpression(QStringLiteral("[,:]")));
        const QPoint point(parts[0].toInt(), parts[1].toInt());
        const QColor expected = NamedColour(parts[2], Background);
        QVERIFY2(expected.isValid(), qPrintable(entry));
        const QColor actual(Image.pixel(point));
        QVERIFY2(actual == expected,
                 qPrintable(QStringLiteral("%1 is %2").arg(entry, actual.name())));
    }
}

// Counts the paints a widget receives, with the size it had for each.
class TPaintCounter : public QObject
{
public:
    explicit TPaintCounter(QWidget* Widget) : QObject(Widget), FWidget(Widget)
    {
        Widget->installEventFilter(this);
    }
    int Count = 0;
    QList<QSize> Sizes;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint) {
            ++Count;
            Sizes << FWidget->size();
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    QWidget* FWidget;
};

// Delivers pending updates now, so a paint that is due has happened afterwards.
void FlushPaints()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

class TestThreeJumper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void Geometry_data();
    void Geometry();
    void PublishedPropertiesInStreamingOrder();
    void ContentWritesByName();
    void AllowOpenInvariant_data();
    void AllowOpenInvariant();

    void RenderedPixels_data();
    void RenderedPixels();
    void VerticalLeftShowsPinOneAtTheBottom();
    void OrientationsTurnTheUprightPicture_data();
    void OrientationsTurnTheUprightPicture();
    void SizeExchange_data();
    void SizeExchange();
    void SizeExchangeOnScreen();

    void ClickCycles_data();
    void ClickCycles();
    void MouseSequences_data();
    void MouseSequences();
    void DoubleClickThroughTheWindowAdvancesOnce();
    void EqualValuesCauseNoRepaint_data();
    void EqualValuesCauseNoRepaint();
};

void TestThreeJumper::initTestCase()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, ButtonFace);
    QApplication::setPalette(palette);
}

void TestThreeJumper::init()
{
    // Resizing from inside a paint must not upset Qt.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void TestThreeJumper::Geometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<TJumper::TJumperGeometry>("expected");

    QTest::newRow("43x18") << QSize(43, 18) << TJumper::TJumperGeometry{9, 10, 21, 33, 9, 3, 13};
    // (20 - 2) / 4 = 4.5 rounds to the even 4, below 15 div 3 = 5.
    QTest::newRow("70x20") << QSize(70, 20) << TJumper::TJumperGeometry{15, 16, 35, 54, 10, 4, 21};
    QTest::newRow("tiny") << QSize(2, 2) << TJumper::TJumperGeometry{0, 1, 1, 1, 1, 0, 2};
    // (11 - 2) / 4.5 = 2 exactly; (6 - 2) / 4 = 1.
    QTest::newRow("11x6") << QSize(11, 6) << TJumper::TJumperGeometry{2, 3, 5, 8, 3, 0, 4};
}

void TestThreeJumper::Geometry()
{
    QFETCH(QSize, size);
    QFETCH(TJumper::TJumperGeometry, expected);

    const TJumper::TJumperGeometry geometry = TJumper::Geometry(size.width(), size.height());
    QCOMPARE(geometry.a, expected.a);
    QCOMPARE(geometry.p1, expected.p1);
    QCOMPARE(geometry.p2, expected.p2);
    QCOMPARE(geometry.p3, expected.p3);
    QCOMPARE(geometry.cy, expected.cy);
    QCOMPARE(geometry.r, expected.r);
    QCOMPARE(geometry.g, expected.g);
}

void TestThreeJumper::PublishedPropertiesInStreamingOrder()
{
    const QStringList expected = {"JumperState", "BaseColor",   "PinColor",  "JumperColor",
                                  "Orientation", "BorderStyle", "AllowOpen", "OnClick"};
    const QMetaObject& meta = TJumper::staticMetaObject;
    QStringList published;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        QVERIFY(meta.property(i).isReadable() && meta.property(i).isWritable());
        published << QString::fromLatin1(meta.property(i).name());
    }
    QCOMPARE(published, expected);

    TJumper jumper;
    QCOMPARE(jumper.size(), QSize(43, 18));
    QCOMPARE(jumper.JumperState(), TJumper::jsOpen);
    QCOMPARE(jumper.BaseColor(), Platform::clGray);
    QCOMPARE(jumper.PinColor(), Platform::clYellow);
    QCOMPARE(jumper.JumperColor(), Platform::clMaroon);
    QCOMPARE(jumper.Orientation(), TJumper::otUp);
    QCOMPARE(jumper.BorderStyle(), Platform::bsSingle);
    QVERIFY(jumper.AllowOpen());
    QVERIFY2(!jumper.testAttribute(Qt::WA_NativeWindow), "the jumper has no window of its own");
}

void TestThreeJumper::ContentWritesByName()
{
    // The board content's jumper: JumperState, then AllowOpen, by enumerator name.
    TJumper jumper;
    const QMetaObject* meta = jumper.metaObject();
    const auto write = [&](const char* Property, const char* Key) {
        const QMetaProperty property = meta->property(meta->indexOfProperty(Property));
        const int value = property.enumerator().keyToValue(Key);
        QVERIFY2(value >= 0, Key);
        QVERIFY(property.write(&jumper, QVariant(value)));
    };
    write("JumperState", "jsRight");
    write("Orientation", "otLeft");
    write("BorderStyle", "bsNone");
    QVERIFY(jumper.setProperty("AllowOpen", false));
    QVERIFY(jumper.setProperty("BaseColor", 0x00FF00u));
    QCOMPARE(jumper.JumperState(), TJumper::jsRight);
    QCOMPARE(jumper.Orientation(), TJumper::otLeft);
    QCOMPARE(jumper.BorderStyle(), Platform::bsNone);
    QVERIFY(!jumper.AllowOpen());
    QCOMPARE(jumper.BaseColor(), Platform::TColor(0x00FF00));
}

void TestThreeJumper::AllowOpenInvariant_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("expected");

    QTest::newRow("open becomes left") << "jsOpen"
                                       << "jsLeft";
    QTest::newRow("right stays right") << "jsRight"
                                       << "jsRight";
    QTest::newRow("left stays left") << "jsLeft"
                                     << "jsLeft";
}

void TestThreeJumper::AllowOpenInvariant()
{
    QFETCH(QString, start);
    QFETCH(QString, expected);

    TJumper jumper;
    int clicks = 0;
    jumper.SetOnClick([&](QObject*) { ++clicks; });
    jumper.SetJumperState(StateFromName(start));
    jumper.SetAllowOpen(false);
    QCOMPARE(StateName(jumper.JumperState()), expected);

    jumper.SetJumperState(TJumper::jsOpen);
    QCOMPARE(StateName(jumper.JumperState()), expected);
    jumper.SetAllowOpen(true);
    jumper.SetJumperState(TJumper::jsOpen);
    QCOMPARE(jumper.JumperState(), TJumper::jsOpen);
    QCOMPARE(clicks, 0);
}

void TestThreeJumper::RenderedPixels_data()
{
    QTest::addColumn<QString>("parent"); // "panel", "derived" or "plain"
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("border");
    QTest::addColumn<QString>("pixels");

    // 43 x 18: base (1, 1, 42, 17), shunts (0, 0, 27, 18) and (15, 0, 43, 18), pins at
    // x 7..12, 18..23 and 30..35 over y 6..11.
    const QString open = QStringLiteral(
        "0,0:bg 0,9:bg 42,9:bg 21,0:bg 21,17:bg 1,1:bg 41,16:bg 1,9:black 21,1:black "
        "41,9:black 21,16:black 5,9:gray 15,9:gray 10,9:yellow 21,9:yellow 33,9:yellow "
        "7,9:yellow 12,9:yellow 6,9:gray 13,9:gray 10,6:yellow 10,11:yellow 10,5:gray "
        "10,12:gray");
    const QString left = QStringLiteral(
        "0,0:black 0,9:black 0,17:black 26,0:black 26,9:black 26,17:black 27,0:bg 42,9:bg "
        "3,3:maroon 25,9:maroon 14,9:maroon 28,9:gray 41,9:black 10,9:yellow 21,9:yellow "
        "33,9:yellow");
    const QString right = QStringLiteral(
        "15,0:black 15,9:black 42,0:black 42,17:black 14,0:bg 0,9:bg 1,9:black 16,3:maroon "
        "40,9:maroon 27,9:maroon 10,9:yellow 21,9:yellow 33,9:yellow");
    const QString noBorder = QStringLiteral(
        "1,9:gray 8,1:gray 8,16:gray 0,9:bg 15,5:black 42,5:black 30,0:black 16,3:maroon");

    for (const char* parent : {"panel", "derived", "plain"}) {
        QTest::addRow("%s, open", parent) << parent << "jsOpen" << true << open;
        QTest::addRow("%s, left", parent) << parent << "jsLeft" << true << left;
        QTest::addRow("%s, right", parent) << parent << "jsRight" << true << right;
    }
    QTest::newRow("panel, no border, right") << "panel"
                                             << "jsRight" << false << noBorder;
}

void TestThreeJumper::RenderedPixels()
{
    QFETCH(QString, parent);
    QFETCH(QString, state);
    QFETCH(bool, border);
    QFETCH(QString, pixels);

    QWidget window;
    TRadioPanel* panel = nullptr;
    if (parent == QLatin1String("panel"))
        panel = new TRadioPanel(&window);
    else if (parent == QLatin1String("derived"))
        panel = new TDerivedPanel(&window);
    if (panel)
        panel->SetColor(Platform::clWhite);
    QWidget* host = panel ? static_cast<QWidget*>(panel) : &window;

    auto* jumper = new TJumper(host);
    jumper->SetJumperState(StateFromName(state));
    if (!border)
        jumper->SetBorderStyle(Platform::bsNone);
    const QImage image = jumper->grab().toImage();
    QCOMPARE(image.size(), QSize(43, 18));

    const QColor background = parent == QLatin1String("panel") ? QColor(Qt::white) : ButtonFace;
    CheckPixels(image, pixels, background);
    if (state == QLatin1String("jsOpen")) {
        // The whole 1-pixel frame around the base.
        for (int x = 0; x < 43; ++x) {
            QCOMPARE(QColor(image.pixel(x, 0)), background);
            QCOMPARE(QColor(image.pixel(x, 17)), background);
        }
        for (int y = 0; y < 18; ++y) {
            QCOMPARE(QColor(image.pixel(0, y)), background);
            QCOMPARE(QColor(image.pixel(42, y)), background);
        }
    }
}

void TestThreeJumper::VerticalLeftShowsPinOneAtTheBottom()
{
    QWidget window;
    auto* jumper = new TJumper(&window);
    jumper->resize(18, 43);
    jumper->SetOrientation(TJumper::otLeft);
    jumper->SetJumperState(TJumper::jsLeft);
    const QImage image = jumper->grab().toImage();
    QCOMPARE(image.size(), QSize(18, 43));

    // Upright (x, y) lands on (y, 42 - x): pin 1 at y 32, pin 3 at y 9; the shunt over
    // upright x 0..26 covers y 16..42.
    CheckPixels(image,
                QStringLiteral("9,32:yellow 9,21:yellow 9,9:yellow 3,40:maroon 3,20:maroon "
                               "5,16:black 5,42:black 5,15:gray 3,12:gray 0,5:bg"),
                ButtonFace);
}

void TestThreeJumper::OrientationsTurnTheUprightPicture_data()
{
    QTest::addColumn<TJumper::TOrientationType>("orientation");

    QTest::newRow("up") << TJumper::otUp;
    QTest::newRow("down") << TJumper::otDown;
    QTest::newRow("left") << TJumper::otLeft;
    QTest::newRow("right") << TJumper::otRight;
}

void TestThreeJumper::OrientationsTurnTheUprightPicture()
{
    QFETCH(TJumper::TOrientationType, orientation);

    QWidget window;
    auto* upright = new TJumper(&window);
    upright->SetJumperState(TJumper::jsRight);
    upright->SetBaseColor(0x336699);
    const QImage expected = upright->grab().toImage();

    auto* turned = new TJumper(&window);
    const bool vertical = orientation == TJumper::otLeft || orientation == TJumper::otRight;
    turned->resize(vertical ? QSize(18, 43) : QSize(43, 18));
    turned->SetOrientation(orientation);
    turned->SetJumperState(TJumper::jsRight);
    turned->SetBaseColor(0x336699);
    const QImage image = turned->grab().toImage();
    QCOMPARE(image.size(), turned->size());

    const int W = 43;
    const int H = 18;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            QPoint target(x, y);
            if (orientation == TJumper::otDown)
                target = QPoint(W - 1 - x, H - 1 - y);
            else if (orientation == TJumper::otLeft)
                target = QPoint(y, W - 1 - x);
            else if (orientation == TJumper::otRight)
                target = QPoint(H - 1 - y, x);
            QVERIFY2(image.pixel(target) == expected.pixel(x, y),
                     qPrintable(QStringLiteral("upright (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestThreeJumper::SizeExchange_data()
{
    QTest::addColumn<QSize>("initial");
    QTest::addColumn<QString>("steps"); // "p" paints, a letter U/D/L/R sets the orientation
    QTest::addColumn<QSize>("expected");

    const QSize horizontal(43, 18);
    const QSize vertical(18, 43);
    QTest::newRow("up to right exchanges at the next paint") << horizontal << "p R p" << vertical;
    QTest::newRow("no paint, no exchange yet") << horizontal << "p R" << horizontal;
    QTest::newRow("and back again") << horizontal << "p R p U p" << horizontal;
    QTest::newRow("up to down keeps the size") << horizontal << "p D p" << horizontal;
    QTest::newRow("right to left keeps the size") << horizontal << "p R p L p" << vertical;
    QTest::newRow("vertical stored before the first paint") << vertical << "L p p p" << vertical;
    QTest::newRow("crossing back before a paint cancels")
        << horizontal << "p R U p p" << horizontal;
}

void TestThreeJumper::SizeExchange()
{
    QFETCH(QSize, initial);
    QFETCH(QString, steps);
    QFETCH(QSize, expected);

    QWidget window;
    auto* jumper = new TJumper(&window);
    jumper->resize(initial);
    for (const QString& step : steps.split(QLatin1Char(' '))) {
        if (step == QLatin1String("p"))
            jumper->grab();
        else
            jumper->SetOrientation(TJumper::TOrientationType(QStringLiteral("UDLR").indexOf(step)));
    }
    QCOMPARE(jumper->size(), expected);

    // Once any exchange still due has been painted, the picture fills the control the
    // right way round.
    jumper->grab();
    const QImage image = jumper->grab().toImage();
    QCOMPARE(image.size(), jumper->size());
    const bool vertical =
        jumper->Orientation() == TJumper::otLeft || jumper->Orientation() == TJumper::otRight;
    QCOMPARE(image.size(), vertical ? QSize(18, 43) : QSize(43, 18));
    const QPoint middlePin = vertical ? QPoint(9, 21) : QPoint(21, 9);
    QCOMPARE(QColor(image.pixel(middlePin)), QColor(Qt::yellow));
}

void TestThreeJumper::SizeExchangeOnScreen()
{
    QWidget window;
    window.resize(120, 120);
    auto* jumper = new TJumper(&window);
    jumper->move(10, 10);
    auto* counter = new TPaintCounter(jumper);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(counter->Count > 0);

    jumper->SetOrientation(TJumper::otRight);
    QTRY_COMPARE(jumper->size(), QSize(18, 43));
    QTRY_VERIFY2(counter->Sizes.contains(QSize(18, 43)),
                 "the exchange brings a paint at the new size");
}

void TestThreeJumper::ClickCycles_data()
{
    QTest::addColumn<bool>("allowOpen");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("seen"); // JumperState as each OnClick saw it

    QTest::newRow("open allowed, from open")
        << true << "jsOpen" << 4 << "jsLeft jsRight jsOpen jsLeft";
    QTest::newRow("open allowed, from right") << true << "jsRight" << 2 << "jsOpen jsLeft";
    QTest::newRow("no open, from right") << false << "jsRight" << 3 << "jsLeft jsRight jsLeft";
    QTest::newRow("no open, from left") << false << "jsLeft" << 2 << "jsRight jsLeft";
}

void TestThreeJumper::ClickCycles()
{
    QFETCH(bool, allowOpen);
    QFETCH(QString, start);
    QFETCH(int, clicks);
    QFETCH(QString, seen);

    QWidget window;
    auto* jumper = new TJumper(&window);
    jumper->SetJumperState(StateFromName(start));
    jumper->SetAllowOpen(allowOpen);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList states;
    jumper->SetOnClick([&](QObject* Sender) {
        QCOMPARE(Sender, jumper);
        states << StateName(jumper->JumperState());
    });
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(jumper, Qt::LeftButton);
    QCOMPARE(states.join(QLatin1Char(' ')), seen);
}

void TestThreeJumper::MouseSequences_data()
{
    // p/r press/release inside, o release outside, d the second press of a double-click,
    // P/R the right button.
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<int>("clicks");

    QTest::newRow("click") << "p r" << 1;
    QTest::newRow("double-click") << "p r d r" << 1;
    QTest::newRow("two clicks") << "p r p r" << 2;
    QTest::newRow("release outside") << "p o" << 0;
    QTest::newRow("release without press") << "r" << 0;
    QTest::newRow("right button") << "P R" << 0;
    QTest::newRow("double-click, then click") << "p r d r p r" << 2;
}

void TestThreeJumper::MouseSequences()
{
    QFETCH(QString, sequence);
    QFETCH(int, clicks);

    QWidget window;
    auto* jumper = new TJumper(&window);
    jumper->SetAllowOpen(false);
    jumper->SetJumperState(TJumper::jsRight);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int raised = 0;
    jumper->SetOnClick([&](QObject*) { ++raised; });

    const QPoint inside(20, 9);
    for (const QString& step : sequence.split(QLatin1Char(' '))) {
        if (step == QLatin1String("p"))
            QTest::mousePress(jumper, Qt::LeftButton, {}, inside);
        else if (step == QLatin1String("r"))
            QTest::mouseRelease(jumper, Qt::LeftButton, {}, inside);
        else if (step == QLatin1String("o"))
            QTest::mouseRelease(jumper, Qt::LeftButton, {}, QPoint(60, 9));
        else if (step == QLatin1String("d"))
            QTest::mouseDClick(jumper, Qt::LeftButton, {}, inside);
        else if (step == QLatin1String("P"))
            QTest::mousePress(jumper, Qt::RightButton, {}, inside);
        else
            QTest::mouseRelease(jumper, Qt::RightButton, {}, inside);
    }
    QCOMPARE(raised, clicks);
    QCOMPARE(jumper->JumperState(), clicks % 2 ? TJumper::jsLeft : TJumper::jsRight);
}

void TestThreeJumper::DoubleClickThroughTheWindowAdvancesOnce()
{
    // Through the platform, as a real double-click arrives.
    QWidget window;
    window.resize(100, 60);
    auto* jumper = new TJumper(&window);
    jumper->move(20, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int raised = 0;
    jumper->SetOnClick([&](QObject*) { ++raised; });

    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(30, 28));
    QCOMPARE(raised, 1);
    QCOMPARE(jumper->JumperState(), TJumper::jsLeft);
}

void TestThreeJumper::EqualValuesCauseNoRepaint_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("current");
    QTest::addColumn<QVariant>("different");

    QTest::newRow("JumperState") << "JumperState" << QVariant(int(TJumper::jsRight))
                                 << QVariant(int(TJumper::jsLeft));
    QTest::newRow("open while not allowed")
        << "JumperState" << QVariant(int(TJumper::jsOpen)) << QVariant(int(TJumper::jsLeft));
    QTest::newRow("BaseColor") << "BaseColor" << QVariant(uint(Platform::clGray))
                               << QVariant(0x123456u);
    QTest::newRow("PinColor") << "PinColor" << QVariant(uint(Platform::clYellow))
                              << QVariant(0x123456u);
    QTest::newRow("JumperColor") << "JumperColor" << QVariant(uint(Platform::clMaroon))
                                 << QVariant(0x123456u);
    QTest::newRow("Orientation") << "Orientation" << QVariant(int(TJumper::otUp))
                                 << QVariant(int(TJumper::otDown));
    QTest::newRow("BorderStyle") << "BorderStyle" << QVariant(int(Platform::bsSingle))
                                 << QVariant(int(Platform::bsNone));
    QTest::newRow("AllowOpen") << "AllowOpen" << QVariant(false) << QVariant(true);
}

void TestThreeJumper::EqualValuesCauseNoRepaint()
{
    QFETCH(QString, property);
    QFETCH(QVariant, current);
    QFETCH(QVariant, different);

    QWidget window;
    auto* jumper = new TJumper(&window);
    jumper->SetJumperState(TJumper::jsRight);
    jumper->SetAllowOpen(false);
    int raised = 0;
    jumper->SetOnClick([&](QObject*) { ++raised; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    FlushPaints();
    auto* counter = new TPaintCounter(jumper);

    const QByteArray name = property.toLatin1();
    QVERIFY(jumper->setProperty(name.constData(), current));
    FlushPaints();
    QCOMPARE(counter->Count, 0);

    QVERIFY(jumper->setProperty(name.constData(), different));
    FlushPaints();
    QCOMPARE(counter->Count, 1);
    QCOMPARE(raised, 0);
}

QTEST_MAIN(TestThreeJumper)
#include "tst_threejumper.moc"
