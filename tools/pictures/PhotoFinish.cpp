#include "tools/pictures/PhotoFinish.h"

#include "tools/pictures/Blur.h"

#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double LumaNoise = 3.0;
constexpr double ChromaNoise = 1.2;

int clampChannel(double v)
{
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

} // namespace

TPhotoFinish::TPhotoFinish(QRandomGenerator& random) : FRandom(random) {}

QImage TPhotoFinish::develop(const QImage& render, const QSize& size)
{
    QImage lit = render.convertToFormat(QImage::Format_RGB32);
    light(lit);
    bloom(lit);
    QImage photo = lit.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    soften(photo);
    toneCurve(photo);
    addNoise(photo);
    return photo;
}

void TPhotoFinish::light(QImage& render)
{
    const double w = render.width();
    const double h = render.height();
    // Brighter towards the lamp at the upper left, darker in the far corner, with the
    // corners of the frame falling off as through a real lens.
    for (int y = 0; y < render.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(render.scanLine(y));
        const double v = y / h;
        for (int x = 0; x < render.width(); ++x) {
            const double u = x / w;
            const double ramp = 1.07 - 0.12 * (0.55 * u + 0.45 * v);
            const double dx = u - 0.47;
            const double dy = v - 0.45;
            const double vignette = 1.0 - 0.32 * std::pow(dx * dx + dy * dy, 1.15) * 2.2;
            const double gain = ramp * vignette;
            const QRgb c = row[x];
            // A touch of warmth from the tungsten lamp.
            row[x] = qRgb(clampChannel(qRed(c) * gain * 1.02), clampChannel(qGreen(c) * gain),
                          clampChannel(qBlue(c) * gain * 0.96));
        }
    }
    // The broad reflection of a softbox in the glossy mask.
    QPainter p(&render);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QRadialGradient sheen(QPointF(w * 0.3, h * 0.24), w * 0.42);
    sheen.setColorAt(0, QColor(255, 255, 246, 44));
    sheen.setColorAt(0.6, QColor(255, 255, 246, 14));
    sheen.setColorAt(1, QColor(255, 255, 246, 0));
    p.fillRect(render.rect(), sheen);
}

// Bright metal glows a little into its surroundings, as it does through real glass.
void TPhotoFinish::bloom(QImage& render)
{
    constexpr int Reduce = 4;
    constexpr int Threshold = 190;
    const QImage small =
        render.scaled(render.size() / Reduce, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    QImage glow(small.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < small.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(small.constScanLine(y));
        uchar* out = glow.scanLine(y);
        for (int x = 0; x < small.width(); ++x) {
            out[x] =
                static_cast<uchar>(std::max(0, qGray(in[x]) - Threshold) * 255 / (255 - Threshold));
        }
    }
    TBlur::apply(glow, 3);
    QImage halo(small.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < glow.height(); ++y) {
        const uchar* in = glow.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(halo.scanLine(y));
        for (int x = 0; x < glow.width(); ++x) {
            out[x] = qPremultiply(qRgba(255, 252, 240, in[x]));
        }
    }
    QPainter p(&render);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.setOpacity(0.28);
    p.drawImage(render.rect(), halo);
}

// A gentle S-curve, as a camera's picture style applies.
void TPhotoFinish::toneCurve(QImage& photo)
{
    constexpr double Strength = 0.22;
    std::array<int, 256> lut{};
    for (int i = 0; i < 256; ++i) {
        const double x = i / 255.0;
        const double y = x - Strength * std::sin(2 * std::numbers::pi * x) / (2 * std::numbers::pi);
        lut[static_cast<size_t>(i)] = clampChannel(y * 255);
    }
    for (int y = 0; y < photo.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const QRgb c = row[x];
            row[x] = qRgb(lut[static_cast<size_t>(qRed(c))], lut[static_cast<size_t>(qGreen(c))],
                          lut[static_cast<size_t>(qBlue(c))]);
        }
    }
}

// No lens resolves single pixels; a slight spread takes the rendered edge off.
void TPhotoFinish::soften(QImage& photo)
{
    constexpr double Side = 0.16;
    const QImage source = photo.copy();
    const int w = photo.width();
    const int h = photo.height();
    const auto at = [&source, w, h](int x, int y) {
        return source.pixel(std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1));
    };
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < w; ++x) {
            double r = 0;
            double g = 0;
            double b = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const double weight =
                        (dx == 0 ? 1 - 2 * Side : Side) * (dy == 0 ? 1 - 2 * Side : Side);
                    const QRgb c = at(x + dx, y + dy);
                    r += qRed(c) * weight;
                    g += qGreen(c) * weight;
                    b += qBlue(c) * weight;
                }
            }
            row[x] = qRgb(clampChannel(r), clampChannel(g), clampChannel(b));
        }
    }
}

double TPhotoFinish::gaussian()
{
    // Box-Muller; the generator's fixed seed keeps the picture reproducible.
    const double u1 = std::max(FRandom.generateDouble(), 1e-12);
    const double u2 = FRandom.generateDouble();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
}

void TPhotoFinish::addNoise(QImage& photo)
{
    for (int y = 0; y < photo.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const double luma = gaussian() * LumaNoise;
            const QRgb c = row[x];
            row[x] = qRgb(clampChannel(qRed(c) + luma + gaussian() * ChromaNoise),
                          clampChannel(qGreen(c) + luma + gaussian() * ChromaNoise),
                          clampChannel(qBlue(c) + luma + gaussian() * ChromaNoise));
        }
    }
}
