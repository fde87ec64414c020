#include "tools/pictures/ShadowLayer.h"

#include "tools/pictures/Blur.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double ContactHeight = 0.6;
constexpr double DirectionX = 0.45;
constexpr double DirectionY = 0.65;

double heightOf(int key)
{
    return key / 10.0;
}

// Low parts throw dark crisp shadows; high ones spread them thinner.
double opacityFor(double height)
{
    return std::clamp(0.82 - 0.02 * height, 0.48, 0.8);
}

} // namespace

TShadowLayer::TShadowLayer(int width, int height, double scale)
    : FWidth(width), FHeight(height), FScale(scale)
{
}

void TShadowLayer::add(const QPainterPath& shape, double height)
{
    addToTier(shape, height);
    addToTier(shape, ContactHeight);
}

void TShadowLayer::addToTier(const QPainterPath& shape, double height)
{
    const int key = std::max(1, static_cast<int>(std::lround(height * 10)));
    QPainter p(&tier(key));
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(FScale, FScale);
    p.translate(DirectionX * heightOf(key), DirectionY * heightOf(key));
    p.fillPath(shape, QColor(0, 0, 0, 255));
}

QImage& TShadowLayer::tier(int key)
{
    auto found = FTiers.find(key);
    if (found == FTiers.end()) {
        QImage image(FWidth, FHeight, QImage::Format_Alpha8);
        image.fill(0);
        found = FTiers.emplace(key, image).first;
    }
    return found->second;
}

void TShadowLayer::composite(QPainter& target) const
{
    for (const auto& [key, image] : FTiers) {
        const double height = heightOf(key);
        QImage blurred = image;
        TBlur::apply(blurred,
                     std::max(1, static_cast<int>(std::lround((0.45 * height + 0.5) * FScale))));
        QImage shade(blurred.size(), QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < blurred.height(); ++y) {
            const uchar* a = blurred.constScanLine(y);
            auto* out = reinterpret_cast<QRgb*>(shade.scanLine(y));
            for (int x = 0; x < blurred.width(); ++x) {
                out[x] = qPremultiply(qRgba(8, 14, 6, a[x]));
            }
        }
        target.save();
        target.resetTransform();
        target.setOpacity(opacityFor(height));
        target.drawImage(0, 0, shade);
        target.restore();
    }
}
