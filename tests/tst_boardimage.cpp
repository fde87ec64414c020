#include "components/BoardHighlight.h"
#include "components/BoardImage.h"
#include "components/PopupForm.h"
#include "platform/Form.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QPainter>

namespace {

TPicture SolidPicture(int Width, int Height)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(10, 120, 40));
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return TPicture::FromData(bmp);
}

// Counts the paints a widget receives.
class TPaintCounter : public QObject
{
public:
    explicit TPaintCounter(QWidget* Widget) { Widget->installEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint)
            ++Count;
        return false;
    }
};

} // namespace

class TBoardImageTest : public QObject
{
    Q_OBJECT

private slots:
    void constructorDefaults();
    void destRect_data();
    void destRect();
    void aspectRatioAndAutoSize();
    void opaqueRule_data();
    void opaqueRule();
    void equalSettersCauseNoRepaint_data();
    void equalSettersCauseNoRepaint();
    void canAutoSize_data();
    void canAutoSize();
    void designPositionTakenOnceAndCentred();
    void centringGoesNegativeInSmallWindow();
    void designModeKeepsProportionsAndPosition();
    void tourStartWithoutFirstDoesNothing();
    void tourStartOpensFirstPinned();
};

void TBoardImageTest::constructorDefaults()
{
    TBoardImage board;
    QCOMPARE(board.size(), QSize(105, 105));
    QCOMPARE(board.AspectRatio(), 1.0);
    QVERIFY(board.AutoSize());
    QVERIFY(board.Scale());
    QVERIFY(board.CenterOnForm());
    QVERIFY(!board.Stretch());
    QVERIFY(!board.Center());
    QVERIFY(!board.Transparent());
    QVERIFY(!board.Menu());
    QVERIFY(!board.First());
    QVERIFY2(!board.Opaque(), "an empty panel shows its face colour");
}

void TBoardImageTest::destRect_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("center");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("stretch fills the client")
        << QSize(600, 642) << QSize(561, 600) << true << false << QRect(0, 0, 600, 642);
    QTest::newRow("stretch wins over center")
        << QSize(600, 642) << QSize(561, 600) << true << true << QRect(0, 0, 600, 642);
    QTest::newRow("plain at origin")
        << QSize(600, 642) << QSize(561, 600) << false << false << QRect(0, 0, 561, 600);
    QTest::newRow("centred smaller picture")
        << QSize(600, 642) << QSize(561, 600) << false << true << QRect(19, 21, 561, 600);
    QTest::newRow("centred larger picture, odd difference -3")
        << QSize(100, 100) << QSize(103, 104) << false << true << QRect(-1, -2, 103, 104);
    QTest::newRow("no picture") << QSize(100, 100) << QSize(0, 0) << false << true
                                << QRect(50, 50, 0, 0);
}

void TBoardImageTest::destRect()
{
    QFETCH(QSize, client);
    QFETCH(QSize, picture);
    QFETCH(bool, stretch);
    QFETCH(bool, center);
    QFETCH(QRect, expected);
    QCOMPARE(TBoardImage::DestRect(client, picture, stretch, center), expected);
}

void TBoardImageTest::aspectRatioAndAutoSize()
{
    TBoardImage board;
    board.SetPicture(SolidPicture(561, 600));
    QCOMPARE(board.AspectRatio(), 600.0 / 561.0);
    QCOMPARE(board.size(), QSize(561, 600));

    TBoardImage fixed;
    fixed.SetAutoSize(false);
    fixed.resize(600, 642);
    fixed.SetPicture(SolidPicture(561, 600));
    QCOMPARE(fixed.size(), QSize(600, 642));
    fixed.SetPicture(TPicture());
    QCOMPARE(fixed.AspectRatio(), 600.0 / 561.0);
}

void TBoardImageTest::opaqueRule_data()
{
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<bool>("opaque");
    QTest::newRow("stretched") << QSize(600, 642) << true << false << true;
    QTest::newRow("picture covers the panel") << QSize(500, 500) << false << false << true;
    QTest::newRow("picture smaller than the panel") << QSize(600, 642) << false << false << false;
    QTest::newRow("transparent picture") << QSize(600, 642) << true << true << false;
}

void TBoardImageTest::opaqueRule()
{
    QFETCH(QSize, panel);
    QFETCH(bool, stretch);
    QFETCH(bool, transparent);
    QFETCH(bool, opaque);
    TBoardImage board;
    board.SetAutoSize(false);
    board.resize(panel);
    board.SetStretch(stretch);
    board.SetTransparent(transparent);
    board.SetPicture(SolidPicture(561, 600));
    QCOMPARE(board.Opaque(), opaque);
    QCOMPARE(board.Picture().Transparent(), transparent);
}

void TBoardImageTest::equalSettersCauseNoRepaint_data()
{
    QTest::addColumn<QString>("property");
    QTest::newRow("Center") << QStringLiteral("Center");
    QTest::newRow("Stretch") << QStringLiteral("Stretch");
    QTest::newRow("Scale") << QStringLiteral("Scale");
    QTest::newRow("Transparent") << QStringLiteral("Transparent");
}

void TBoardImageTest::equalSettersCauseNoRepaint()
{
    QFETCH(QString, property);
    TForm form;
    auto* board = new TBoardImage(form.Client());
    board->SetCenterOnForm(false);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TPaintCounter paints(board);
    const QByteArray name = property.toLatin1();
    board->setProperty(name, board->property(name));
    QTest::qWait(50);
    QCOMPARE(paints.Count, 0);
    board->setProperty(name, !board->property(name).toBool());
    QTRY_VERIFY2(paints.Count > 0, "a change repaints");
}

void TBoardImageTest::canAutoSize_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("designing");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("free, with picture")
        << int(Platform::alNone) << false << true << QSize(561, 600);
    QTest::newRow("free, empty at run time")
        << int(Platform::alNone) << false << false << QSize(0, 0);
    QTest::newRow("empty in design mode keeps the size")
        << int(Platform::alNone) << true << false << QSize(300, 200);
    QTest::newRow("aligned top keeps the width")
        << int(Platform::alTop) << false << true << QSize(300, 600);
    QTest::newRow("aligned left keeps the height")
        << int(Platform::alLeft) << false << true << QSize(561, 200);
    QTest::newRow("client keeps both")
        << int(Platform::alClient) << false << true << QSize(300, 200);
}

void TBoardImageTest::canAutoSize()
{
    QFETCH(int, align);
    QFETCH(bool, designing);
    QFETCH(bool, picture);
    QFETCH(QSize, expected);
    TBoardImage board;
    board.SetAutoSize(false);
    board.SetAlign(Platform::TAlign(align));
    board.SetDesigning(designing);
    if (picture)
        board.SetPicture(SolidPicture(561, 600));
    int width = 300;
    int height = 200;
    QVERIFY(board.CanAutoSize(width, height));
    QCOMPARE(QSize(width, height), expected);
}

void TBoardImageTest::designPositionTakenOnceAndCentred()
{
    TForm form;
    form.setGeometry(0, 0, 900, 800);
    auto* board = new TBoardImage(form.Client());
    board->SetAutoSize(false);
    board->setGeometry(150, 98, 600, 642);
    board->SetStretch(true);
    board->SetPicture(SolidPicture(561, 600));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Centred against the window's outer size, not its client area.
    const QPoint centred((form.Width() - 600) / 2, (form.Height() - 642) / 2);
    QTRY_COMPARE(board->pos(), centred);
    QCOMPARE(QPoint(board->DesignLeft(), board->DesignTop()), QPoint(150, 98));
    form.resize(1000, 900);
    QTRY_COMPARE(board->pos(), QPoint((form.Width() - 600) / 2, (form.Height() - 642) / 2));
    QCOMPARE(QPoint(board->DesignLeft(), board->DesignTop()), QPoint(150, 98));
    // The photograph is drawn into the whole panel.
    const QImage shot = form.grab().toImage();
    const QPoint middle = board->mapTo(&form, QPoint(300, 321));
    QCOMPARE(QColor(shot.pixel(middle)), QColor(10, 120, 40));
}

void TBoardImageTest::centringGoesNegativeInSmallWindow()
{
    TForm form;
    form.setGeometry(0, 0, 400, 300);
    auto* board = new TBoardImage(form.Client());
    board->SetAutoSize(false);
    board->setGeometry(10, 10, 600, 642);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // (400 - 600) / 2 = -100 and (300 - 642) / 2 = -171, truncated toward zero.
    QTRY_COMPARE(board->pos(), QPoint(-100, -171));
}

void TBoardImageTest::designModeKeepsProportionsAndPosition()
{
    TForm form;
    form.setGeometry(0, 0, 900, 800);
    auto* board = new TBoardImage(form.Client());
    board->SetDesigning(true);
    board->SetAutoSize(false);
    board->SetPicture(SolidPicture(561, 600));
    board->setGeometry(150, 98, 600, 500);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE(board->height(), 642);
    QTest::qWait(20);
    QCOMPARE(board->pos(), QPoint(150, 98));
}

void TBoardImageTest::tourStartWithoutFirstDoesNothing()
{
    TForm form;
    auto* board = new TBoardImage(form.Client());
    auto* circle = new TBoardHighlight(board);
    circle->SetTitle(QStringLiteral("&Alone"));
    QCOMPARE(board->Perform(WM_STARTTOUR, 0, 0), 0);
    QVERIFY(!circle->Lit());
    QVERIFY(!circle->Popup());
}

void TBoardImageTest::tourStartOpensFirstPinned()
{
    TForm form;
    form.setGeometry(0, 0, 900, 800);
    auto* board = new TBoardImage(form.Client());
    auto* first = new TBoardHighlight(board);
    first->SetTitle(QStringLiteral("&First"));
    auto* twin = new TBoardHighlight(board);
    twin->SetTitle(QStringLiteral("&First"));
    twin->move(100, 0);
    QStringList order;
    first->SetOnClick(
        [&order, first](QObject*) { order << QStringLiteral("click, lit %1").arg(first->Lit()); });
    board->SetFirst(first);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCursor::setPos(5, 5);
    board->Perform(WM_STARTTOUR, 0, 0);
    QCOMPARE(order, QStringList{QStringLiteral("click, lit 1")});
    QVERIFY(first->Popup());
    QVERIFY(first->Popup()->isVisible());
    QVERIFY2(first->Pinned(), "the leave after the click keeps a pinned popup open");
    QVERIFY2(twin->Lit(), "the entry is passed on to the twin");
    QVERIFY2(!twin->Popup(), "the twin shares the first circle's popup");
}

SETTINGS_TEST_MAIN(TBoardImageTest)
#include "tst_boardimage.moc"
