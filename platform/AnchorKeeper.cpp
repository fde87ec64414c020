#include "platform/AnchorKeeper.h"

#include <QEvent>
#include <QWidget>

#include <cmath>

namespace Platform {

namespace {

TAnchorKeeper* FindKeeper(const QWidget* Control)
{
    return Control->findChild<TAnchorKeeper*>(QString(), Qt::FindDirectChildrenOnly);
}

// One axis: Start and Extent of the control, in a parent that went from BaseSize to Size.
std::pair<int, int> ArrangeAxis(bool Near, bool Far, int Start, int Extent, int BaseSize, int Size)
{
    const int growth = Size - BaseSize;
    if (Near && Far)
        return {Start, std::max(0, Extent + growth)};
    if (Near)
        return {Start, Extent};
    if (Far)
        return {Start + growth, Extent};
    // Neither edge: the centre keeps its proportion of the parent's extent.
    if (BaseSize <= 0)
        return {Start + growth / 2, Extent};
    const double centre = (Start + Extent / 2.0) * Size / BaseSize;
    return {int(std::lround(centre - Extent / 2.0)), Extent};
}

} // namespace

void SetAnchors(QWidget* Control, TAnchors Anchors)
{
    TAnchorKeeper* keeper = FindKeeper(Control);
    if (!keeper) {
        // The default needs no watching.
        if (Anchors == TAnchors(akLeft | akTop))
            return;
        keeper = new TAnchorKeeper(Control);
    }
    keeper->SetAnchors(Anchors);
}

TAnchors GetAnchors(const QWidget* Control)
{
    const TAnchorKeeper* keeper = FindKeeper(Control);
    return keeper ? keeper->Anchors() : TAnchors(akLeft | akTop);
}

TAnchorKeeper::TAnchorKeeper(QWidget* Control) : QObject(Control), FControl(Control)
{
    FControl->installEventFilter(this);
    WatchParent();
}

void TAnchorKeeper::SetAnchors(TAnchors Value)
{
    FAnchors = Value;
    // Anchors set anew always take the distances as they are now.
    Record();
}

QRect TAnchorKeeper::Arrange(TAnchors Anchors, const QRect& Base, const QSize& BaseParentSize,
                             const QSize& ParentSize)
{
    const auto [left, width] =
        ArrangeAxis(Anchors.testFlag(akLeft), Anchors.testFlag(akRight), Base.left(), Base.width(),
                    BaseParentSize.width(), ParentSize.width());
    const auto [top, height] =
        ArrangeAxis(Anchors.testFlag(akTop), Anchors.testFlag(akBottom), Base.top(), Base.height(),
                    BaseParentSize.height(), ParentSize.height());
    return QRect(left, top, width, height);
}

void TAnchorKeeper::WatchParent()
{
    if (FParent)
        FParent->removeEventFilter(this);
    FParent = FControl->parentWidget();
    if (FParent)
        FParent->installEventFilter(this);
}

void TAnchorKeeper::Record()
{
    FBase = FControl->geometry();
    FBaseParentSize = FParent ? FParent->size() : QSize();
    FApplied = FBase;
    FAppliedParentSize = FBaseParentSize;
}

bool TAnchorKeeper::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == FParent && Event->type() == QEvent::Resize)
        ParentResized();
    else if (Watched == FControl) {
        switch (Event->type()) {
        case QEvent::ParentChange:
            WatchParent();
            Record();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            ControlChanged();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(Watched, Event);
}

void TAnchorKeeper::ControlChanged()
{
    // Our own moves, and a control's deferred events catching up with them, change nothing.
    if (FApplying || FControl->geometry() == FApplied || !FParent)
        return;
    // Moved by code: the new place is what later parent resizes start from. While a
    // parent resize is still on its way, the place belongs to the size last seen.
    FBase = FControl->geometry();
    FBaseParentSize = FAppliedParentSize;
    FApplied = FBase;
}

void TAnchorKeeper::ParentResized()
{
    if (!FParent)
        return;
    // A control moved while its events were held back (hidden) is caught up here.
    ControlChanged();
    const QRect target = Arrange(FAnchors, FBase, FBaseParentSize, FParent->size());
    FApplied = target;
    FAppliedParentSize = FParent->size();
    if (FControl->geometry() == target)
        return;
    FApplying = true;
    FControl->setGeometry(target);
    FApplying = false;
}

} // namespace Platform
