#pragma once

#include "platform/Types.h"

#include <QStringList>
#include <QWidget>

// The explanation panel behind a highlight circle: its text lines, the height of the text
// box that shows them, and the anchors it takes once a popup window hosts it. It paints
// like a plain 3-D panel: background, then the bevels. Hidden until a popup shows it.
class TRadioPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool RadioEnabled READ RadioEnabled WRITE SetRadioEnabled)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(int MemoHeight READ MemoHeight WRITE SetMemoHeight)
    Q_PROPERTY(Platform::TAnchors FinalAnchors READ FinalAnchors WRITE SetFinalAnchors)
    Q_PROPERTY(Platform::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(Platform::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(TNotifyEvent OnRadioChange READ OnRadioChange WRITE SetOnRadioChange)
    Q_PROPERTY(TNotifyEvent OnActivate READ OnActivate WRITE SetOnActivate)
    Q_PROPERTY(TNotifyEvent OnDeactivate READ OnDeactivate WRITE SetOnDeactivate)

public:
    explicit TRadioPanel(QWidget* Parent = nullptr);

    bool RadioEnabled() const { return FRadioEnabled; }
    void SetRadioEnabled(bool Value) { FRadioEnabled = Value; }
    QStringList Lines() const { return FLines; }
    // Takes a copy; later changes to the caller's list do not reach the panel.
    void SetLines(const QStringList& Value) { FLines = Value; }
    int MemoHeight() const { return FMemoHeight; }
    void SetMemoHeight(int Value) { FMemoHeight = Value; }
    Platform::TAnchors FinalAnchors() const { return FFinalAnchors; }
    // In force at once when hosted; otherwise kept until MarkHosted.
    void SetFinalAnchors(Platform::TAnchors Value);

    Platform::TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(Platform::TBevelCut Value);
    Platform::TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(Platform::TBevelCut Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    Platform::TColor Color() const { return FColor; }
    void SetColor(Platform::TColor Value);

    // Stored only; the hosting popup reads them.
    TNotifyEvent OnRadioChange() const { return FOnRadioChange; }
    void SetOnRadioChange(const TNotifyEvent& Value) { FOnRadioChange = Value; }
    TNotifyEvent OnActivate() const { return FOnActivate; }
    void SetOnActivate(const TNotifyEvent& Value) { FOnActivate = Value; }
    TNotifyEvent OnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(const TNotifyEvent& Value) { FOnDeactivate = Value; }

    bool Hosted() const { return FHosted; }
    // Called by the popup once the panel is its child: FinalAnchors take over for good.
    void MarkHosted();

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    bool FRadioEnabled = false;
    TNotifyEvent FOnRadioChange;
    QStringList FLines;
    int FMemoHeight = 58;
    TNotifyEvent FOnActivate;
    TNotifyEvent FOnDeactivate;
    Platform::TAnchors FFinalAnchors = Platform::TAnchors(Platform::akLeft | Platform::akTop);
    bool FHosted = false;
    Platform::TBevelCut FBevelInner = Platform::bvNone;
    Platform::TBevelCut FBevelOuter = Platform::bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    Platform::TColor FColor = Platform::clBtnFace;
};
