#include "platform/Canvas.h"

#include <QImage>
#include <QPalette>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace {

// Never produced by the canvas: alpha 0 shows a pixel that was not written.
constexpr QRgb Untouched = 0x00123456;
constexpr QRgb PenPixel = 0xFF000000;   // clBlack
constexpr QRgb BrushPixel = 0xFF0000FF; // clBlue, $FF0000 with red in the low byte

QImage BlankImage(int Width, int Height)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row, row + Width, Untouched);
    }
    return image;
}

QRgb RawPixel(const QImage& Image, int X, int Y)
{
    return reinterpret_cast<const QRgb*>(Image.constScanLine(Y))[X];
}

void Configure(TCanvas& Canvas, TCanvas::TPenStyle Pen, TCanvas::TBrushStyle Brush)
{
    Canvas.SetPen({Platform::clBlack, Pen});
    Canvas.SetBrush({Platform::clBlue, Brush});
}

enum TShapeKind
{
    RectangleShape,
    RoundRectShape,
    EllipseShape
};

void DrawShape(TCanvas& Canvas, int Shape, const QRect& Area)
{
    const int right = Area.x() + Area.width();
    const int bottom = Area.y() + Area.height();
    switch (Shape) {
    case RectangleShape:
        Canvas.Rectangle(Area.x(), Area.y(), right, bottom);
        break;
    case RoundRectShape:
        Canvas.RoundRect(Area.x(), Area.y(), right, bottom, Area.height() / 2, Area.height() / 2);
        break;
    case EllipseShape:
        Canvas.Ellipse(Area.x(), Area.y(), right, bottom);
        break;
    }
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void RectangleCoversExactlyItsArea_data();
    void RectangleCoversExactlyItsArea();
    void CurvedShapesStayInsideTheirArea_data();
    void CurvedShapesStayInsideTheirArea();
    void EmptyAreaDrawsNothing_data();
    void EmptyAreaDrawsNothing();
    void SystemColoursComeFromThePalette();
};

void TestCanvas::RectangleCoversExactlyItsArea_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("pen");
    QTest::addColumn<int>("brush");

    QTest::newRow("outlined 4x3 at origin")
        << QRect(0, 0, 4, 3) << int(TCanvas::psSolid) << int(TCanvas::bsSolid);
    QTest::newRow("outlined, offset")
        << QRect(3, 2, 9, 6) << int(TCanvas::psSolid) << int(TCanvas::bsSolid);
    QTest::newRow("outline only") << QRect(1, 1, 7, 5) << int(TCanvas::psSolid)
                                  << int(TCanvas::bsClear);
    QTest::newRow("no outline") << QRect(0, 0, 4, 3) << int(TCanvas::psClear)
                                << int(TCanvas::bsSolid);
    QTest::newRow("no outline, offset")
        << QRect(2, 3, 5, 4) << int(TCanvas::psClear) << int(TCanvas::bsSolid);
    QTest::newRow("dashed outline")
        << QRect(1, 2, 12, 7) << int(TCanvas::psDash) << int(TCanvas::bsSolid);
    QTest::newRow("one pixel") << QRect(2, 2, 1, 1) << int(TCanvas::psSolid)
                               << int(TCanvas::bsSolid);
}

void TestCanvas::RectangleCoversExactlyItsArea()
{
    QFETCH(QRect, area);
    QFETCH(int, pen);
    QFETCH(int, brush);

    QImage image = BlankImage(16, 12);
    TCanvas canvas(&image);
    Configure(canvas, TCanvas::TPenStyle(pen), TCanvas::TBrushStyle(brush));
    DrawShape(canvas, RectangleShape, area);

    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = RawPixel(image, x, y);
            const bool inside = area.contains(x, y);
            const bool border = inside && (x == area.left() || x == area.right() ||
                                           y == area.top() || y == area.bottom());
            QList<QRgb> allowed;
            if (!inside)
                allowed = {Untouched};
            else if (pen == TCanvas::psClear)
                allowed = {BrushPixel};
            else if (border && pen == TCanvas::psSolid)
                allowed = {PenPixel};
            else if (border)
                allowed = {PenPixel, Untouched}; // the gaps of a dash
            else
                allowed = {brush == TCanvas::bsSolid ? BrushPixel : Untouched};
            QVERIFY2(allowed.contains(pixel), qPrintable(QStringLiteral("pixel (%1, %2) is %3")
                                                             .arg(x)
                                                             .arg(y)
                                                             .arg(pixel, 8, 16, QChar('0'))));
        }
    }
    if (pen == TCanvas::psDash) {
        int dashPixels = 0;
        for (int x = area.left(); x <= area.right(); ++x)
            dashPixels += RawPixel(image, x, area.top()) == PenPixel;
        QVERIFY2(dashPixels > 0 && dashPixels < area.width(), "a dashed edge has dashes and gaps");
    }
}

void TestCanvas::CurvedShapesStayInsideTheirArea_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("pen");

    QTest::newRow("ellipse 6x6 pin, no outline")
        << int(EllipseShape) << QRect(7, 6, 6, 6) << int(TCanvas::psClear);
    QTest::newRow("ellipse 8x8, no outline")
        << int(EllipseShape) << QRect(2, 2, 8, 8) << int(TCanvas::psClear);
    QTest::newRow("ellipse 13x9, outlined")
        << int(EllipseShape) << QRect(1, 3, 13, 9) << int(TCanvas::psSolid);
    QTest::newRow("ellipse 5x4, outlined")
        << int(EllipseShape) << QRect(4, 4, 5, 4) << int(TCanvas::psSolid);
    QTest::newRow("round rect 41x16, outlined")
        << int(RoundRectShape) << QRect(1, 1, 41, 16) << int(TCanvas::psSolid);
    QTest::newRow("round rect 16x41, outlined")
        << int(RoundRectShape) << QRect(1, 1, 16, 41) << int(TCanvas::psSolid);
    QTest::newRow("round rect 20x9, no outline")
        << int(RoundRectShape) << QRect(3, 2, 20, 9) << int(TCanvas::psClear);
}

void TestCanvas::CurvedShapesStayInsideTheirArea()
{
    QFETCH(int, shape);
    QFETCH(QRect, area);
    QFETCH(int, pen);

    QImage image = BlankImage(48, 48);
    TCanvas canvas(&image);
    Configure(canvas, TCanvas::TPenStyle(pen), TCanvas::bsSolid);
    DrawShape(canvas, shape, area);

    QRect touched;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = RawPixel(image, x, y);
            if (pixel == Untouched)
                continue;
            QVERIFY2(area.contains(x, y),
                     qPrintable(QStringLiteral("pixel (%1, %2) outside").arg(x).arg(y)));
            QVERIFY2(
                pixel == BrushPixel || (pen != TCanvas::psClear && pixel == PenPixel),
                qPrintable(QStringLiteral("pixel (%1, %2) has a foreign colour").arg(x).arg(y)));
            touched |= QRect(x, y, 1, 1);
        }
    }
    QCOMPARE(touched, area);
    QCOMPARE(RawPixel(image, area.center().x(), area.center().y()), BrushPixel);
    if (pen == TCanvas::psSolid) {
        const int middleRow = area.top() + area.height() / 2;
        QCOMPARE(RawPixel(image, area.left(), middleRow), PenPixel);
        QCOMPARE(RawPixel(image, area.right(), middleRow), PenPixel);
    }
    // Aliased curves come out the same on both sides.
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int mirrorX = area.left() + area.right() - x;
            const int mirrorY = area.top() + area.bottom() - y;
            QVERIFY2(
                RawPixel(image, x, y) == RawPixel(image, mirrorX, y) &&
                    RawPixel(image, x, y) == RawPixel(image, x, mirrorY),
                qPrintable(QStringLiteral("pixel (%1, %2) breaks the symmetry").arg(x).arg(y)));
        }
    }
}

void TestCanvas::EmptyAreaDrawsNothing_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QRect>("bounds"); // left, top, right, bottom as x, y, width, height

    QTest::newRow("rectangle, zero width") << int(RectangleShape) << QRect(3, 3, 3, 8);
    QTest::newRow("rectangle, reversed") << int(RectangleShape) << QRect(6, 2, 2, 5);
    QTest::newRow("ellipse, zero height") << int(EllipseShape) << QRect(1, 4, 9, 4);
    QTest::newRow("round rect, reversed") << int(RoundRectShape) << QRect(1, 9, 9, 1);
}

void TestCanvas::EmptyAreaDrawsNothing()
{
    QFETCH(int, shape);
    QFETCH(QRect, bounds);

    QImage image = BlankImage(12, 12);
    TCanvas canvas(&image);
    Configure(canvas, TCanvas::psSolid, TCanvas::bsSolid);
    const int left = bounds.x();
    const int top = bounds.y();
    const int right = bounds.width();
    const int bottom = bounds.height();
    switch (shape) {
    case RectangleShape:
        canvas.Rectangle(left, top, right, bottom);
        break;
    case RoundRectShape:
        canvas.RoundRect(left, top, right, bottom, 4, 4);
        break;
    case EllipseShape:
        canvas.Ellipse(left, top, right, bottom);
        break;
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(RawPixel(image, x, y), Untouched);
}

void TestCanvas::SystemColoursComeFromThePalette()
{
    QWidget source;
    QPalette palette = source.palette();
    palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
    source.setPalette(palette);

    QImage image = BlankImage(4, 4);
    TCanvas canvas(&image, &source);
    canvas.SetPen({Platform::clBtnFace, TCanvas::psClear});
    canvas.SetBrush({Platform::clBtnFace, TCanvas::bsSolid});
    canvas.Rectangle(0, 0, 4, 4);
    QCOMPARE(RawPixel(image, 2, 2), qRgb(0x12, 0x34, 0x56));
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
