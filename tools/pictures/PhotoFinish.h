#pragma once

#include <QSize>

class QImage;
class QRandomGenerator;

// Turns the clean rendering into something a camera would deliver: light falling off
// from the lamp, a softbox sheen, vignetting, reduction to the photo's size and sensor
// noise.
class TPhotoFinish
{
public:
    explicit TPhotoFinish(QRandomGenerator& random);

    QImage develop(const QImage& render, const QSize& size);

private:
    static void light(QImage& render);
    static void bloom(QImage& render);
    static void toneCurve(QImage& photo);
    static void soften(QImage& photo);
    void addNoise(QImage& photo);
    double gaussian();

    QRandomGenerator& FRandom;
};
