#include "tools/pictures/PolarityPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QString Ground = QStringLiteral("GND");
const QString Supply = QStringLiteral("+12V");
constexpr double CentreY = 24;
constexpr double RingRadius = 10; // outer edge, so the ring is 20 px across
constexpr double DotRadius = 4;
constexpr double Stroke = 2;
// A little heavier than the leads, so thresholding leaves no gaps on the diagonals.
constexpr double RingStroke = 2.4;
// Half-angle of the ring's opening on the right, where the pin's lead leaves.
constexpr double GapDegrees = 40;
constexpr int Margin = 1;
constexpr int LabelGap = 3;

QFont labelFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace

QImage TPolarityPainter::paint() const
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const TLayout at = layout();
    drawSymbol(image, at);
    drawLabels(image, at);
    binarize(image);
    return image;
}

TPolarityPainter::TLayout TPolarityPainter::layout()
{
    const QFontMetrics metrics(labelFont());
    TLayout at{};
    at.gndRight = Margin + metrics.horizontalAdvance(Ground);
    at.plusLeft = Width - Margin - metrics.horizontalAdvance(Supply);
    // Equal lead lengths on both sides of the ring.
    const double lead = (at.plusLeft - at.gndRight - 2 * LabelGap - 2 * RingRadius) / 2;
    // On a pixel boundary, so the thresholded ring and dot come out symmetric.
    at.centreX = std::round(at.gndRight + LabelGap + lead + RingRadius);
    return at;
}

void TPolarityPainter::drawSymbol(QImage& image, const TLayout& at)
{
    // Drawn smooth and then thresholded: rounder than an aliased circle.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = RingRadius - RingStroke / 2;
    const QRectF ring(at.centreX - r, CentreY - r, 2 * r, 2 * r);
    p.setPen(QPen(Qt::black, RingStroke, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, qRound(GapDegrees * 16), qRound((360 - 2 * GapDegrees) * 16));
    p.setPen(QPen(Qt::black, Stroke, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(at.gndRight + LabelGap, CentreY), QPointF(at.centreX - r, CentreY));
    p.drawLine(QPointF(at.centreX, CentreY), QPointF(at.plusLeft - LabelGap, CentreY));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(at.centreX, CentreY), DotRadius, DotRadius);
}

void TPolarityPainter::drawLabels(QImage& image, const TLayout& at)
{
    QPainter p(&image);
    const QFont font = labelFont();
    const QFontMetrics metrics(font);
    p.setFont(font);
    p.setPen(Qt::black);
    // Cap height centred on the leads.
    const int baseline = qRound(CentreY + metrics.capHeight() / 2.0);
    p.drawText(QPoint(Margin, baseline), Ground);
    p.drawText(QPoint(at.plusLeft, baseline), Supply);
}

// Whatever the font engine and the smoothing did, the file holds only pure black and
// pure white.
void TPolarityPainter::binarize(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = qGray(line[x]) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    }
}
