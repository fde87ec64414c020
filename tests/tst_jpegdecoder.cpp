#include "platform/Exceptions.h"
#include "platform/JpegDecoder.h"
#include "platform/Picture.h"
#include "support/TestMain.h"

#include <QFile>

namespace {

QByteArray BoardPhotograph()
{
    QFile file(QStringLiteral(":/content/board.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Index of the first entropy-coded byte after the first start-of-scan segment.
qsizetype FirstScanData(const QByteArray& Jpeg)
{
    const qsizetype sos = Jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    if (sos < 0)
        return -1;
    const int length = (uchar(Jpeg[sos + 2]) << 8) | uchar(Jpeg[sos + 3]);
    return sos + 2 + length;
}

} // namespace

class TJpegDecoderTest : public QObject
{
    Q_OBJECT

private slots:
    void decodesTheProgressivePhotograph();
    void rejectsBrokenData_data();
    void rejectsBrokenData();
    void pictureRefusesBrokenData();
};

void TJpegDecoderTest::decodesTheProgressivePhotograph()
{
    const QByteArray jpeg = BoardPhotograph();
    QVERIFY2(!jpeg.isEmpty(), "the photograph is compiled into the program");
    QVERIFY2(jpeg.contains(QByteArray("\xFF\xC2", 2)), "stored with progressive scans (SOF2)");
    QVERIFY2(jpeg.contains(QByteArray("Exif\0\0", 6)), "carries an EXIF block");
    const QImage image = TJpegDecoder::Decode(jpeg);
    QCOMPARE(image.size(), QSize(561, 600));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    // The fourth byte must be opaque, or the picture vanishes on premultiplied targets.
    QCOMPARE(qAlpha(image.pixel(280, 300)), 255);
    // A photograph, not a flat fill: the board has many colours.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() > 500, qPrintable(QStringLiteral("%1 colours").arg(colours.size())));
}

void TJpegDecoderTest::rejectsBrokenData_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray jpeg = BoardPhotograph();
    QByteArray corrupt = jpeg;
    const qsizetype scan = FirstScanData(jpeg);
    for (qsizetype i = scan + 40; i < scan + 400 && i < corrupt.size(); i += 3)
        corrupt[i] = char(0xFF);
    QTest::newRow("not a JPEG") << QByteArray("GIF89a not a photograph at all");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << jpeg.left(2);
    QTest::newRow("truncated in the first scan") << jpeg.left(scan + 100);
    QTest::newRow("truncated near the end") << jpeg.left(jpeg.size() - 300);
    QTest::newRow("corrupt scan data") << corrupt;
    QTest::newRow("garbage after the marker") << QByteArray("\xFF\xD8\xFF\x00\x01\x02garbage", 12);
}

void TJpegDecoderTest::rejectsBrokenData()
{
    QFETCH(QByteArray, data);
    try {
        TJpegDecoder::Decode(data);
        QFAIL("broken data decoded without an error");
    } catch (const EInvalidGraphic& error) {
        QVERIFY2(error.Message().startsWith(QStringLiteral("JPEG error")),
                 qPrintable(error.Message()));
    }
}

void TJpegDecoderTest::pictureRefusesBrokenData()
{
    QVERIFY_THROWS_EXCEPTION(
        EInvalidGraphic, TPicture::FromData(BoardPhotograph().left(BoardPhotograph().size() / 2)));
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, TPicture::FromData(QByteArray("plain text")));
    QFile polarity(QStringLiteral(":/content/polarity.bmp"));
    QVERIFY(polarity.open(QIODevice::ReadOnly));
    const QByteArray bmp = polarity.readAll();
    const TPicture whole = TPicture::FromData(bmp);
    QCOMPARE(QSize(whole.Width(), whole.Height()), QSize(117, 48));
    // Qt's reader would fill a cut-off bitmap's missing rows with whatever memory held.
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, TPicture::FromData(bmp.left(bmp.size() - 100)));
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, TPicture::FromData(bmp.left(40)));
    // Found by fuzzing: a 4 x 3 bitmap whose header promises more rows than it carries.
    const QByteArray cutOff = QByteArray::fromBase64(
        "Qk2uAAAAAAAAAIoAAAB8AAAABAAAAAMAAAABABgAAAAAACQAAAAAAAAAAAAAAAAAAAAAAAAAAAD/AAD/AAB5MAAAQGAA"
        "AEJHAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAhQAABAAAAAAAAAAAAAAAAAAAAACAAACAAACAAACAAABAgP8AAP8A"
        "AHkwAABAYAAA/wAA/wAA/w==");
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, TPicture::FromData(cutOff));
}

SETTINGS_TEST_MAIN(TJpegDecoderTest)
#include "tst_jpegdecoder.moc"
