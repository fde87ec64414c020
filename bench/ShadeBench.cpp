// Shading of every circle of the content: TBoardHighlight::ShadeEllipse makes three images
// per circle (idle, hot with its white core, lit) at the circles' own sizes, over the
// photograph. Reported in nanoseconds per pixel of the images, for the first pass (as at
// start-up, where each image is shaded once) and as the median of later passes; the
// baseline is Qt's raster engine filling the same ellipses with a translucent radial
// gradient, antialiased (which may hand parts of a fill to Qt's worker threads).
#include "app/MainForm.h"
#include "bench/Measure.h"
#include "components/BoardHighlight.h"
#include "components/SetupCtrls.h"
#include "platform/Application.h"
#include "platform/JpegDecoder.h"

#include <QFile>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

struct TJob
{
    QImage Beneath;
    float Intensity;
    Platform::TColor Color;
    bool WhiteHot;
};

// The work per pixel does not depend on the intensity's value, only on the hot image's
// white core; these are the yellow kind's idle, hot and lit intensities.
constexpr struct
{
    float Intensity;
    bool WhiteHot;
} Images[] = {{0.5f, false}, {1.0f, true}, {0.75f, false}};

QList<TJob> Jobs(const QList<TBoardHighlight*>& Circles, const QImage& Photograph)
{
    QList<TJob> jobs;
    for (const TBoardHighlight* circle : Circles) {
        const QImage beneath = Photograph.copy(circle->geometry());
        const Platform::TColor colors[] = {Platform::clBlue, Platform::clYellow, Platform::clRed};
        const Platform::TColor color = colors[std::min<int>(circle->HighlightType(), 2)];
        for (const auto& image : Images)
            jobs.append({beneath, image.Intensity, color, image.WhiteHot});
    }
    return jobs;
}

void ShadeAll(QList<QImage>& Images, const QList<TJob>& Jobs)
{
    for (qsizetype i = 0; i < Jobs.size(); ++i)
        TBoardHighlight::ShadeEllipse(Images[i], Images[i].width() - 1, Images[i].height() - 1,
                                      Jobs[i].Intensity, Jobs[i].Color, Jobs[i].WhiteHot);
}

void PaintAll(QList<QImage>& Images, const QList<TJob>& Jobs)
{
    for (qsizetype i = 0; i < Jobs.size(); ++i) {
        QImage& image = Images[i];
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const QRectF bounds(0, 0, image.width(), image.height());
        QRadialGradient gradient(bounds.center(), 0.5);
        gradient.setCoordinateMode(QGradient::ObjectMode);
        QColor color = Platform::ToQColor(Jobs[i].Color);
        color.setAlphaF(0.16f * Jobs[i].Intensity);
        gradient.setColorAt(0.0, color);
        gradient.setColorAt(0.77, color);
        color.setAlphaF(Jobs[i].Intensity);
        gradient.setColorAt(0.875, color);
        color.setAlphaF(0.0f);
        gradient.setColorAt(1.0, color);
        painter.setBrush(gradient);
        painter.drawEllipse(bounds);
    }
}

// Nanoseconds per pixel of one pass over all images, each pass on fresh copies.
double NsPerPixel(const QList<TJob>& Jobs,
                  const std::function<void(QList<QImage>&, const QList<TJob>&)>& Work)
{
    QList<QImage> images;
    qint64 pixels = 0;
    for (const TJob& job : Jobs) {
        images.append(job.Beneath.copy());
        pixels += qint64(job.Beneath.width()) * job.Beneath.height();
    }
    const std::int64_t start = Measure::NowNs();
    Work(images, Jobs);
    return double(Measure::NowNs() - start) / double(pixels);
}

} // namespace

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    TSetupCtrls::Register();
    // The circles with the sizes and kinds of the content, on the content's photograph.
    TMainForm mainForm;
    const QList<TBoardHighlight*> circles = mainForm.findChildren<TBoardHighlight*>();
    QFile file(QStringLiteral(":/content/board.jpg"));
    if (circles.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no circles or no photograph in the content\n");
        return 1;
    }
    const QImage photograph =
        TJpegDecoder::Decode(file.readAll())
            .scaled(600, 642, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QList<TJob> jobs = Jobs(circles, photograph);
    qint64 pixels = 0;
    for (const TJob& job : jobs)
        pixels += qint64(job.Beneath.width()) * job.Beneath.height();

    constexpr int Runs = 41;
    const double firstNs = NsPerPixel(jobs, ShadeAll);
    NsPerPixel(jobs, PaintAll);
    QList<double> ours;
    QList<double> painter;
    for (int i = 0; i < Runs; ++i) {
        ours.append(NsPerPixel(jobs, ShadeAll));
        painter.append(NsPerPixel(jobs, PaintAll));
    }
    const double oursMedian = Measure::Median(ours);
    const double painterMedian = Measure::Median(painter);
    std::printf("circles=%lld images=%lld pixels=%lld\n", static_cast<long long>(circles.size()),
                static_cast<long long>(jobs.size()), static_cast<long long>(pixels));
    std::printf("shade_first_pass_ns_per_pixel=%.2f shade_ns_per_pixel=%.2f "
                "qpainter_ns_per_pixel=%.2f ratio=%.2f\n",
                firstNs, oursMedian, painterMedian, oursMedian / painterMedian);
    return 0;
}
