#pragma once

#include "platform/Types.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

namespace Platform {

// Keeps a control's distances to the edges of its parent as its anchors say when the
// parent is resized. A control that was never given anchors has [akLeft, akTop].
void SetAnchors(QWidget* Control, TAnchors Anchors);
TAnchors GetAnchors(const QWidget* Control);

// Lives as a child of the control and watches the control and its parent.
class TAnchorKeeper : public QObject
{
    Q_OBJECT

public:
    explicit TAnchorKeeper(QWidget* Control);

    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);

    // The control's place in a parent of ParentSize after the parent had BaseParentSize
    // with the control at Base.
    static QRect Arrange(TAnchors Anchors, const QRect& Base, const QSize& BaseParentSize,
                         const QSize& ParentSize);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void WatchParent();
    void Record();
    void ParentResized();
    void ControlChanged();

    QWidget* FControl;
    QPointer<QWidget> FParent;
    TAnchors FAnchors = TAnchors(akLeft | akTop);
    // The control's geometry and its parent's size when the distances were taken.
    QRect FBase;
    QSize FBaseParentSize;
    // What this keeper last gave the control, and the parent size it was for; a control
    // found elsewhere was moved by code in the meantime.
    QRect FApplied;
    QSize FAppliedParentSize;
    bool FApplying = false;
};

} // namespace Platform
