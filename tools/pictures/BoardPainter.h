#pragma once

#include <QImage>
#include <QRandomGenerator>

class QPainter;
class TConnectorPainter;
class TPartPainter;

// Renders the photograph of the board's top side, 561 x 600 pixels. Drawing happens
// at three times the size and is reduced at the end, which softens edges the way a
// lens does.
class TBoardPainter
{
public:
    static constexpr int Supersample = 3;
    static constexpr quint32 Seed = 2040;

    TBoardPainter();

    QImage paint();

private:
    static void paintBackground(QPainter& p);
    static void paintConnectors(TConnectorPainter& connectors);
    static void paintFeatures(TPartPainter& parts);
    static void paintChips(TPartPainter& parts);
    void paintPassives(TPartPainter& parts);
    static void paintLabels(TPartPainter& parts);

    QRandomGenerator FRandom;
};
