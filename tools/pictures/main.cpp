// Renders the two content pictures: make_pictures <output-folder>
// writes board.jpg (the board photograph) and polarity.bmp (the DC jack symbol).

#include "tools/pictures/BmpWriter.h"
#include "tools/pictures/BoardPainter.h"
#include "tools/pictures/ExifBlock.h"
#include "tools/pictures/JpegWriter.h"
#include "tools/pictures/PolarityPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr int JpegQuality = 92;

int fail(const QString& message)
{
    QTextStream(stderr) << "make_pictures: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts need a GUI application, but no display is needed to draw into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        return fail(QStringLiteral("usage: make_pictures <output-folder>"));
    }
    const QDir out(args.at(1));
    if (!out.exists()) {
        return fail(QStringLiteral("no such folder: %1").arg(args.at(1)));
    }

    const QImage board = TBoardPainter().paint();
    TJpegWriter jpeg(JpegQuality);
    const QByteArray exif =
        TExifBlock(QStringLiteral("KX-2040 top view"), QStringLiteral("Quorvan")).bytes();
    if (!jpeg.write(board, exif, out.filePath(QStringLiteral("board.jpg")))) {
        return fail(QStringLiteral("board.jpg: %1").arg(jpeg.errorString()));
    }

    TBmpWriter bmp;
    if (!bmp.write(TPolarityPainter().paint(), out.filePath(QStringLiteral("polarity.bmp")))) {
        return fail(QStringLiteral("polarity.bmp: %1").arg(bmp.errorString()));
    }
    return 0;
}
