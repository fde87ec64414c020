#pragma once

#include <QImage>

#include <map>

class QPainter;
class QPainterPath;

// Soft shadows of raised parts, lit from the upper left. Shapes are grouped by height:
// a taller part throws its shadow further and softer. Every shape also gets a tight
// contact shadow where it meets the board.
class TShadowLayer
{
public:
    TShadowLayer(int width, int height, double scale);

    void add(const QPainterPath& shape, double height);
    // Draws all shadows onto target, which paints in device pixels.
    void composite(QPainter& target) const;

private:
    void addToTier(const QPainterPath& shape, double height);
    QImage& tier(int key);

    int FWidth;
    int FHeight;
    double FScale;
    std::map<int, QImage> FTiers; // key: height in tenths of a photo pixel
};
