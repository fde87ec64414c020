#include "tools/pictures/BoardPainter.h"

#include "tools/pictures/BoardLayout.h"
#include "tools/pictures/ConnectorPainter.h"
#include "tools/pictures/CopperPainter.h"
#include "tools/pictures/PartPainter.h"
#include "tools/pictures/PhotoFinish.h"
#include "tools/pictures/ShadowLayer.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

using TChip = TPartPainter::TChipKind;

const QSizeF Size0603(6.4, 3.3);
const QSizeF Size0805(8.0, 5.0);
const QSizeF Size1206(12.4, 6.4);

// Large silkscreen texts, which the scattered vias keep clear of.
const QList<QRectF> TextAreas{{418, 146, 132, 58}, {34, 52, 60, 36}, {34, 506, 60, 36}};

} // namespace

TBoardPainter::TBoardPainter() : FRandom(Seed) {}

QImage TBoardPainter::paint()
{
    const QSize photo = TBoardLayout::PhotoSize;
    const QSize render = photo * Supersample;
    QImage canvas(render, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Supersample, Supersample);
    paintBackground(p);

    TCopperPainter copper(FRandom);
    copper.setQuietAreas(TextAreas);
    copper.paint(p);

    QImage bodies(render, QImage::Format_ARGB32_Premultiplied);
    bodies.fill(Qt::transparent);
    QPainter b(&bodies);
    b.setRenderHint(QPainter::Antialiasing);
    TShadowLayer shadows(render.width(), render.height(), Supersample);
    TPartPainter parts(p, b, shadows, Supersample);
    TConnectorPainter connectors(p, b, shadows, Supersample);
    paintLabels(parts);
    paintConnectors(connectors);
    paintFeatures(parts);
    paintChips(parts);
    paintPassives(parts);
    b.end();

    shadows.composite(p);
    p.resetTransform();
    p.drawImage(0, 0, bodies);
    p.end();
    return TPhotoFinish(FRandom).develop(canvas, photo);
}

void TBoardPainter::paintBackground(QPainter& p)
{
    // A matte grey bench mat under the board, and the board's own shadow on it.
    const QRectF all(QPointF(0, 0), QSizeF(TBoardLayout::PhotoSize));
    QLinearGradient mat(all.topLeft(), all.bottomRight());
    mat.setColorAt(0, QColor(196, 197, 194));
    mat.setColorAt(1, QColor(160, 161, 158));
    p.fillRect(all, mat);
    TShadowLayer shadow(p.device()->width(), p.device()->height(), Supersample);
    QPainterPath board;
    board.addRoundedRect(TBoardLayout::Board, 4, 4);
    shadow.add(board, 9);
    shadow.composite(p);
}

void TBoardPainter::paintConnectors(TConnectorPainter& connectors)
{
    connectors.dsub37(TBoardLayout::mainConnTop().center(), true, 0);
    connectors.dsub37(TBoardLayout::mainConnBottom().center(), false, 180);
    connectors.usbB(TBoardLayout::usb().center(), 0);
    connectors.dcJack(TBoardLayout::dcIn().center(), 0);
}

void TBoardPainter::paintFeatures(TPartPainter& parts)
{
    const QPointF led = TBoardLayout::led().center();
    parts.led(led + QPointF(-10, 0), QColor(40, 200, 70));
    parts.label(led + QPointF(3, 0), QStringLiteral("PWR"), 5.2, Qt::AlignLeft);
    parts.wireConnector(TBoardLayout::subUsb().center(), 5, 7.0);
    parts.pinHeader(TBoardLayout::ttlLeft().center(), 14, TPartPainter::shRight, 0);
    parts.pinHeader(TBoardLayout::ttlRight().center(), 14, TPartPainter::shRight, 0);
    const QPointF range = TBoardLayout::analogRange().center();
    parts.pinHeader(range + QPointF(0, -8), 12, TPartPainter::shRight, 0);
    parts.pinHeader(range + QPointF(0, 8), 12, TPartPainter::shRight, 0);
    for (const QPointF& hole :
         {QPointF(47, 25), QPointF(533, 25), QPointF(47, 575), QPointF(533, 575)}) {
        parts.mountingHole(hole, 10);
    }
    parts.fiducial(QPointF(84, 128));
    parts.fiducial(QPointF(520, 470));
    parts.fiducial(QPointF(84, 556));
}

void TBoardPainter::paintChips(TPartPainter& parts)
{
    parts.qfp(QPointF(300, 335), 58, 16, QStringLiteral("QV32A64\nK2040-FW\n2231 C"));
    parts.soic(QPointF(168, 268), 20, QSizeF(34, 17), 0, QStringLiteral("QU2232\nA12"));
    parts.soic(QPointF(251, 225), 20, QSizeF(46, 20), 0, QStringLiteral("QL74245\n2219"));
    parts.soic(QPointF(374.5, 225), 20, QSizeF(46, 20), 0, QStringLiteral("QL74245\n2219"));
    parts.soic(QPointF(456, 240), 16, QSizeF(40, 18), 0, QStringLiteral("QA1608\n2228"));
    parts.soic(QPointF(458, 372), 8, QSizeF(20, 16), 0, QStringLiteral("QP82\n214"));
    parts.soic(QPointF(458, 422), 8, QSizeF(20, 16), 0, QStringLiteral("QP82\n214"));
    parts.soic(QPointF(372, 428), 8, QSizeF(20, 16), 0, QStringLiteral("24Q02"));
    parts.soic(QPointF(174, 168), 14, QSizeF(34, 15), 0, QStringLiteral("QL1G14\n2207"));
    parts.sot23(QPointF(512, 372), 90);
    parts.sot23(QPointF(330, 276), 0);
    parts.sot23(QPointF(122, 286), 0);
    parts.sot223(QPointF(148, 440), 0, QStringLiteral("1117\n50"));
    parts.sot223(QPointF(200, 440), 0, QStringLiteral("1117\n33"));
    parts.crystal(QPointF(220, 338), 90);
    parts.diode(QPointF(132, 402), 0);
    parts.electrolytic(QPointF(56, 338), 24, 0);
    parts.electrolytic(QPointF(56, 388), 24, 0);
    parts.electrolytic(QPointF(252, 444), 20, 0);
    parts.tactSwitch(QPointF(172, 330));
    parts.powerInductor(QPointF(184, 394), 20, QStringLiteral("220"));
    parts.emptyHeader(QPointF(492, 447), 5, 2, 9);
    for (const QPointF& tp : {QPointF(230, 472), QPointF(108, 440), QPointF(404, 384)}) {
        parts.testPoint(tp);
    }
}

void TBoardPainter::paintPassives(TPartPainter& parts)
{
    const auto row = [&parts](QPointF at, QPointF step, int count, TChip kind, QSizeF size,
                              double angle) {
        for (int i = 0; i < count; ++i) {
            parts.chip(at + step * i, kind, size, angle);
        }
    };
    // Series resistors and pull-ups behind the top connector.
    for (const double x : {128.0, 148.0, 168.0, 188.0, 302.0, 322.0, 436.0, 456.0}) {
        parts.resistorArray(QPointF(x, 132), 0);
    }
    // Decoupling around the controller and the buffers.
    row(QPointF(262, 290), QPointF(0, 9), 3, TPartPainter::ckCapacitor, Size0603, 90);
    row(QPointF(338, 372), QPointF(0, 9), 3, TPartPainter::ckCapacitor, Size0603, 90);
    row(QPointF(286, 384), QPointF(10, 0), 4, TPartPainter::ckResistor, Size0603, 90);
    row(QPointF(212, 210), QPointF(0, 10), 3, TPartPainter::ckCapacitor, Size0603, 0);
    row(QPointF(412, 216), QPointF(0, 10), 2, TPartPainter::ckCapacitor, Size0603, 0);
    // USB interface: termination, the shield ferrite, its crystal load.
    row(QPointF(114, 250), QPointF(0, 9), 2, TPartPainter::ckFerrite, Size0805, 90);
    row(QPointF(196, 256), QPointF(0, 9), 3, TPartPainter::ckResistor, Size0603, 0);
    row(QPointF(160, 296), QPointF(10, 0), 3, TPartPainter::ckCapacitor, Size0603, 90);
    row(QPointF(236, 316), QPointF(0, 44), 2, TPartPainter::ckCapacitor, Size0603, 0);
    // LED resistor and the header's filter parts.
    row(QPointF(58, 216), QPointF(16, 0), 2, TPartPainter::ckResistor, Size0603, 0);
    row(QPointF(58, 226), QPointF(16, 0), 2, TPartPainter::ckCapacitor, Size0603, 0);
    // Supply filtering.
    row(QPointF(148, 465), QPointF(0, 0), 1, TPartPainter::ckCapacitor, Size1206, 0);
    row(QPointF(200, 465), QPointF(0, 0), 1, TPartPainter::ckCapacitor, Size1206, 0);
    row(QPointF(100, 360), QPointF(0, 12), 2, TPartPainter::ckCapacitor, Size0805, 90);
    // The analog front end.
    row(QPointF(430, 370), QPointF(0, 9), 4, TPartPainter::ckResistor, Size0603, 0);
    row(QPointF(486, 364), QPointF(0, 9), 3, TPartPainter::ckCapacitor, Size0603, 0);
    row(QPointF(430, 410), QPointF(0, 9), 3, TPartPainter::ckResistor, Size0603, 0);
    row(QPointF(486, 410), QPointF(0, 9), 3, TPartPainter::ckResistor, Size0603, 0);
    row(QPointF(440, 264), QPointF(12, 0), 3, TPartPainter::ckCapacitor, Size0603, 90);
    // Output protection in front of the lower connector.
    row(QPointF(290, 466), QPointF(11, 0), 13, TPartPainter::ckResistor, Size0603, 90);
    row(QPointF(350, 404), QPointF(0, 0), 1, TPartPainter::ckResistor, Size0603, 0);
    row(QPointF(200, 180), QPointF(0, 0), 1, TPartPainter::ckCapacitor, Size0603, 90);
    row(QPointF(318, 258), QPointF(0, 0), 1, TPartPainter::ckCapacitor, Size0603, 0);
    row(QPointF(222, 404), QPointF(0, 9), 3, TPartPainter::ckCapacitor, Size0805, 0);
    // Pull-downs under the buffers.
    row(QPointF(234, 250), QPointF(9, 0), 4, TPartPainter::ckResistor, Size0603, 90);
    row(QPointF(358, 250), QPointF(9, 0), 4, TPartPainter::ckResistor, Size0603, 90);
    // A few parts added late in the design, a little out of line as hand-placed ones are.
    for (int i = 0; i < 4; ++i) {
        const QPointF jitter(FRandom.bounded(1.0) - 0.5, FRandom.bounded(1.0) - 0.5);
        parts.chip(QPointF(522 + (i % 2) * 14, 232 + (i / 2) * 14) + jitter,
                   TPartPainter::ckCapacitor, Size0805, 90 + FRandom.bounded(4.0) - 2);
    }
}

void TBoardPainter::paintLabels(TPartPainter& parts)
{
    parts.label(QPointF(484, 162), QStringLiteral("KX-2040"), 15);
    parts.label(QPointF(484, 186), QStringLiteral("Quorvan"), 9);
    parts.label(QPointF(484, 200), QStringLiteral("REV B  USB DAQ"), 4.2);

    parts.label(QPointF(63, 60), QStringLiteral("J1"), 5.5);
    parts.label(QPointF(63, 72), QStringLiteral("DIGITAL"), 4.5);
    parts.label(QPointF(63, 82), QStringLiteral("I/O"), 4.5);
    parts.label(QPointF(63, 514), QStringLiteral("J2"), 5.5);
    parts.label(QPointF(63, 526), QStringLiteral("ANALOG"), 4.5);
    parts.label(QPointF(63, 536), QStringLiteral("I/O"), 4.5);

    const QRectF ttlLeft = TBoardLayout::ttlLeft();
    const QRectF ttlRight = TBoardLayout::ttlRight();
    parts.label(QPointF(ttlLeft.center().x(), ttlLeft.bottom() + 7), QStringLiteral("JP2"), 4.5);
    parts.label(QPointF(ttlRight.center().x(), ttlRight.bottom() + 7), QStringLiteral("JP1"), 4.5);
    for (const QRectF& r : {ttlLeft, ttlRight}) {
        parts.label(QPointF(r.left() - 2, r.center().y()), QStringLiteral("3V3"), 4.2,
                    Qt::AlignRight);
        parts.label(QPointF(r.right() + 2, r.center().y()), QStringLiteral("5V"), 4.2,
                    Qt::AlignLeft);
    }
    const QRectF range = TBoardLayout::analogRange();
    parts.label(QPointF(range.left() - 2, range.center().y() - 8), QStringLiteral("JP3"), 4.2,
                Qt::AlignRight);
    parts.label(QPointF(range.left() - 2, range.center().y() + 8), QStringLiteral("JP4"), 4.2,
                Qt::AlignRight);
    parts.label(QPointF(range.center().x(), range.top() - 6), QStringLiteral("RANGE"), 4.2);

    parts.label(QPointF(TBoardLayout::led().right() + 2, TBoardLayout::led().center().y()),
                QStringLiteral("D2"), 4.5, Qt::AlignLeft);
    parts.label(QPointF(TBoardLayout::subUsb().right() + 3, TBoardLayout::subUsb().center().y()),
                QStringLiteral("J5"), 4.5, Qt::AlignLeft);
    parts.label(QPointF(112, 312), QStringLiteral("J3"), 4.5);
    parts.label(QPointF(118, 488), QStringLiteral("J4"), 4.5);
    parts.label(QPointF(118, 478), QStringLiteral("12V DC"), 4.2);

    parts.label(QPointF(300, 297), QStringLiteral("U1"), 4.5);
    parts.label(QPointF(168, 248), QStringLiteral("U2"), 4.5);
    parts.label(QPointF(222, 240), QStringLiteral("U3"), 4.5);
    parts.label(QPointF(346, 240), QStringLiteral("U4"), 4.5);
    parts.label(QPointF(456, 222), QStringLiteral("U5"), 4.5);
    parts.label(QPointF(458, 356), QStringLiteral("U6"), 4.5);
    parts.label(QPointF(458, 440), QStringLiteral("U7"), 4.5);
    parts.label(QPointF(372, 412), QStringLiteral("U8"), 4.5);
    parts.label(QPointF(148, 420), QStringLiteral("U9"), 4.5);
    parts.label(QPointF(200, 420), QStringLiteral("U10"), 4.5);
    parts.label(QPointF(236, 338), QStringLiteral("Y1"), 4.5);
    parts.label(QPointF(56, 356), QStringLiteral("C1"), 4.5);
    parts.label(QPointF(56, 407), QStringLiteral("C2"), 4.5);
    parts.label(QPointF(252, 460), QStringLiteral("C9"), 4.5);
    parts.label(QPointF(132, 392), QStringLiteral("D1"), 4.5);
    parts.label(QPointF(172, 350), QStringLiteral("SW1"), 4.5);
    parts.label(QPointF(174, 150), QStringLiteral("U11"), 4.5);
    parts.label(QPointF(330, 288), QStringLiteral("Q1"), 4.0);
    parts.label(QPointF(184, 410), QStringLiteral("L1"), 4.5);
    parts.label(QPointF(492, 464), QStringLiteral("J6"), 4.5);
    parts.label(QPointF(230, 480), QStringLiteral("TP1"), 3.8);
    parts.label(QPointF(108, 448), QStringLiteral("TP2"), 3.8);
    parts.label(QPointF(404, 392), QStringLiteral("TP3"), 3.8);

    parts.label(QPointF(523, 498), QStringLiteral("94V-0"), 4.2);
    parts.label(QPointF(523, 508), QStringLiteral("E2231"), 4.2);
}
