#pragma once

class QImage;

// Three box passes per axis, close enough to a Gaussian for soft shadows and glows.
class TBlur
{
public:
    // image must be Format_Alpha8 or Format_Grayscale8; radius in pixels.
    static void apply(QImage& image, int radius);

private:
    static void boxRows(QImage& image, int radius);
    static void boxColumns(QImage& image, int radius);
};
