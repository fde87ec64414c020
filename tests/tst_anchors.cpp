#include "platform/AnchorKeeper.h"

#include <QTest>
#include <QWidget>

using Platform::akBottom;
using Platform::akLeft;
using Platform::akRight;
using Platform::akTop;
using Platform::TAnchors;

Q_DECLARE_METATYPE(Platform::TAnchors)

class TestAnchors : public QObject
{
    Q_OBJECT

private slots:
    void DefaultIsLeftTop();
    void ParentResizeKeepsAnchoredDistances_data();
    void ParentResizeKeepsAnchoredDistances();
    void RepeatedResizesDoNotDrift();
    void CodeMoveBeforeResizeIsRespected();
    void ReparentedControlFollowsItsNewParent();
    void HiddenParentAppliesAnchorsWhenShown();
};

void TestAnchors::DefaultIsLeftTop()
{
    QWidget parent;
    auto* control = new QWidget(&parent);
    QCOMPARE(Platform::GetAnchors(control), TAnchors(akLeft | akTop));
    Platform::SetAnchors(control, akRight | akBottom);
    QCOMPARE(Platform::GetAnchors(control), TAnchors(akRight | akBottom));
}

void TestAnchors::ParentResizeKeepsAnchoredDistances_data()
{
    QTest::addColumn<TAnchors>("anchors");
    QTest::addColumn<QRect>("control");
    QTest::addColumn<QSize>("grownTo");
    QTest::addColumn<QRect>("expected");

    // The parent starts at 200 x 100.
    const QRect control(20, 10, 60, 30);
    const QSize grown(300, 160);
    QTest::newRow("left top stays") << TAnchors(akLeft | akTop) << control << grown << control;
    QTest::newRow("right keeps right distance")
        << TAnchors(akRight | akTop) << control << grown << QRect(120, 10, 60, 30);
    QTest::newRow("left right stretches")
        << TAnchors(akLeft | akRight | akTop) << control << grown << QRect(20, 10, 160, 30);
    QTest::newRow("top bottom stretches")
        << TAnchors(akLeft | akTop | akBottom) << control << grown << QRect(20, 10, 60, 90);
    QTest::newRow("all four stretch both ways") << TAnchors(akLeft | akTop | akRight | akBottom)
                                                << control << grown << QRect(20, 10, 160, 90);
    QTest::newRow("right bottom keeps both distances")
        << TAnchors(akRight | akBottom) << control << grown << QRect(120, 70, 60, 30);
    // Horizontal centre 50 of 200 becomes 75 of 300; bottom distance 60 stays.
    QTest::newRow("bottom only keeps bottom and horizontal centre")
        << TAnchors(akBottom) << control << grown << QRect(45, 70, 60, 30);
    // Vertical centre 25 of 100 becomes 40 of 160.
    QTest::newRow("none keeps both centres")
        << TAnchors() << control << grown << QRect(45, 25, 60, 30);
    QTest::newRow("centred control stays centred")
        << TAnchors(akTop) << QRect(50, 10, 100, 30) << QSize(400, 100) << QRect(150, 10, 100, 30);
    QTest::newRow("stretched control shrinks to nothing, not below")
        << TAnchors(akLeft | akRight) << QRect(20, 10, 60, 30) << QSize(100, 100)
        << QRect(20, 10, 0, 30);
    QTest::newRow("right follows a shrinking parent")
        << TAnchors(akRight | akTop) << control << QSize(150, 80) << QRect(-30, 10, 60, 30);
}

void TestAnchors::ParentResizeKeepsAnchoredDistances()
{
    QFETCH(TAnchors, anchors);
    QFETCH(QRect, control);
    QFETCH(QSize, grownTo);
    QFETCH(QRect, expected);

    QWidget parent;
    parent.resize(200, 100);
    auto* child = new QWidget(&parent);
    child->setGeometry(control);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    Platform::SetAnchors(child, anchors);
    parent.resize(grownTo);
    QCOMPARE(child->geometry(), expected);
}

void TestAnchors::RepeatedResizesDoNotDrift()
{
    QWidget parent;
    parent.resize(200, 100);
    auto* child = new QWidget(&parent);
    child->setGeometry(41, 33, 17, 9);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    Platform::SetAnchors(child, TAnchors());
    for (const QSize size : {QSize(333, 171), QSize(97, 61), QSize(251, 119), QSize(200, 100)})
        parent.resize(size);
    QCOMPARE(child->geometry(), QRect(41, 33, 17, 9));
}

void TestAnchors::CodeMoveBeforeResizeIsRespected()
{
    QWidget parent;
    parent.resize(200, 100);
    auto* child = new QWidget(&parent);
    child->setGeometry(20, 10, 60, 30);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    Platform::SetAnchors(child, akRight | akBottom);
    parent.resize(250, 120);
    QCOMPARE(child->geometry(), QRect(70, 30, 60, 30));

    // Moved and resized by code while the parent keeps its size: new distances 10 and 20.
    child->setGeometry(150, 40, 90, 60);
    parent.resize(300, 150);
    QCOMPARE(child->geometry(), QRect(200, 70, 90, 60));
}

void TestAnchors::ReparentedControlFollowsItsNewParent()
{
    QWidget first;
    first.resize(200, 100);
    QWidget second;
    second.resize(400, 300);
    auto* child = new QWidget(&first);
    child->setGeometry(20, 10, 60, 30);
    first.show();
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));

    Platform::SetAnchors(child, akRight | akTop);
    child->setParent(&second);
    child->setGeometry(300, 10, 60, 30);
    child->show();

    first.resize(500, 100);
    QCOMPARE(child->geometry(), QRect(300, 10, 60, 30));
    second.resize(450, 300);
    QCOMPARE(child->geometry(), QRect(350, 10, 60, 30));
    QCOMPARE(Platform::GetAnchors(child), TAnchors(akRight | akTop));
}

void TestAnchors::HiddenParentAppliesAnchorsWhenShown()
{
    // A popup is sized before it is first shown; its resize reaches the anchors late.
    QWidget parent;
    parent.resize(200, 100);
    auto* child = new QWidget(&parent);
    child->setGeometry(20, 10, 60, 30);
    Platform::SetAnchors(child, akLeft | akTop | akRight | akBottom);

    parent.resize(260, 140);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCOMPARE(child->geometry(), QRect(20, 10, 120, 70));
}

QTEST_MAIN(TestAnchors)
#include "tst_anchors.moc"
