#include "tools/pictures/Blur.h"

#include <QImage>

#include <algorithm>
#include <vector>

namespace {

// Running-sum box filter over one line of samples with clamped edges.
void boxLine(std::vector<int>& line, std::vector<int>& scratch, int radius)
{
    const int n = static_cast<int>(line.size());
    const int window = 2 * radius + 1;
    int sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        sum += line[static_cast<size_t>(std::clamp(i, 0, n - 1))];
    }
    for (int i = 0; i < n; ++i) {
        scratch[static_cast<size_t>(i)] = (sum + window / 2) / window;
        sum += line[static_cast<size_t>(std::min(i + radius + 1, n - 1))];
        sum -= line[static_cast<size_t>(std::max(i - radius, 0))];
    }
    line.swap(scratch);
}

} // namespace

void TBlur::apply(QImage& image, int radius)
{
    if (radius < 1 || image.isNull()) {
        return;
    }
    boxRows(image, radius);
    boxColumns(image, radius);
}

void TBlur::boxRows(QImage& image, int radius)
{
    std::vector<int> line(static_cast<size_t>(image.width()));
    std::vector<int> scratch(line.size());
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        std::copy(row, row + image.width(), line.begin());
        for (int pass = 0; pass < 3; ++pass) {
            boxLine(line, scratch, radius);
        }
        std::transform(line.begin(), line.end(), row, [](int v) { return static_cast<uchar>(v); });
    }
}

void TBlur::boxColumns(QImage& image, int radius)
{
    std::vector<int> line(static_cast<size_t>(image.height()));
    std::vector<int> scratch(line.size());
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            line[static_cast<size_t>(y)] = image.constScanLine(y)[x];
        }
        for (int pass = 0; pass < 3; ++pass) {
            boxLine(line, scratch, radius);
        }
        for (int y = 0; y < image.height(); ++y) {
            image.scanLine(y)[x] = static_cast<uchar>(line[static_cast<size_t>(y)]);
        }
    }
}
