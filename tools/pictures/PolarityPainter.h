#pragma once

#include <QImage>

// The DC jack polarity symbol, black on white without grey edges so it looks printed:
// GND on the sleeve (open ring) at the left, +12V on the centre pin at the right.
class TPolarityPainter
{
public:
    static constexpr int Width = 117;
    static constexpr int Height = 48;

    QImage paint() const;

private:
    struct TLayout
    {
        int gndRight;   // right edge of the "GND" label
        int plusLeft;   // left edge of the "+12V" label
        double centreX; // centre of the ring and its pin
    };

    static TLayout layout();
    static void drawSymbol(QImage& image, const TLayout& at);
    static void drawLabels(QImage& image, const TLayout& at);
    static void binarize(QImage& image);
};
