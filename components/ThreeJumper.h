#pragma once

#include "platform/Canvas.h"
#include "platform/Types.h"

#include <QImage>
#include <QWidget>

#include <cstdint>

// A clickable picture of a three-pin jumper header: a base with three pins and a shunt
// over pins 1 and 2, over pins 2 and 3, or none. Each click moves the shunt on. The
// picture is composed upright and turned into one of four orientations; a change between
// horizontal and vertical exchanges the control's width and height at the next paint.
class TThreeJumper : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TJumperState JumperState READ JumperState WRITE SetJumperState)
    Q_PROPERTY(uint BaseColor READ BaseColor WRITE SetBaseColor)
    Q_PROPERTY(uint PinColor READ PinColor WRITE SetPinColor)
    Q_PROPERTY(uint JumperColor READ JumperColor WRITE SetJumperColor)
    Q_PROPERTY(TOrientationType Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(Platform::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool AllowOpen READ AllowOpen WRITE SetAllowOpen)
    Q_PROPERTY(TNotifyEvent OnClick READ OnClick WRITE SetOnClick)

public:
    enum TJumperState : std::uint8_t
    {
        jsOpen,
        jsLeft,
        jsRight
    };
    Q_ENUM(TJumperState)
    enum TOrientationType : std::uint8_t
    {
        otUp,
        otDown,
        otLeft,
        otRight
    };
    Q_ENUM(TOrientationType)

    // Where the parts of an upright picture of W x H lie: a is the pin spacing unit, p1 to
    // p3 the pin centres along x, cy their centre along y, r the pin radius and g the
    // shunt's reach across the middle pin.
    struct TJumperGeometry
    {
        int a = 0;
        int p1 = 0;
        int p2 = 0;
        int p3 = 0;
        int cy = 0;
        int r = 0;
        int g = 0;
        bool operator==(const TJumperGeometry&) const = default;
    };

    explicit TThreeJumper(QWidget* Parent = nullptr);

    static TJumperGeometry Geometry(int W, int H);
    // The state that a click moves State to.
    static TJumperState NextState(TJumperState State, bool AllowOpen);

    TJumperState JumperState() const { return FJumperState; }
    // Ignored when equal, or jsOpen while AllowOpen is False. Raises no event.
    void SetJumperState(TJumperState Value);
    Platform::TColor BaseColor() const { return FBaseColor; }
    void SetBaseColor(Platform::TColor Value);
    Platform::TColor PinColor() const { return FPinColor; }
    void SetPinColor(Platform::TColor Value);
    Platform::TColor JumperColor() const { return FJumperColor; }
    void SetJumperColor(Platform::TColor Value);
    TOrientationType Orientation() const { return FOrientation; }
    void SetOrientation(TOrientationType Value);
    Platform::TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(Platform::TBorderStyle Value);
    bool AllowOpen() const { return FAllowOpen; }
    // False moves a jsOpen state to jsLeft.
    void SetAllowOpen(bool Value);
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(const TNotifyEvent& Value) { FOnClick = Value; }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    // Advances the state, then raises OnClick, so its handler sees the new state.
    void Click();

private:
    static bool IsVertical(TOrientationType Orientation);
    Platform::TColor BackgroundColor() const;
    void Compose(int W, int H);
    void Turn(int W, int H);

    TOrientationType FOrientation = otUp;
    TJumperState FJumperState = jsOpen;
    QImage FOutputBitmap;
    QImage FComposeBitmap;
    bool FSizeSwapPending = false;
    bool FPaintedOnce = false;
    Platform::TColor FBaseColor = Platform::clGray;
    Platform::TColor FJumperColor = Platform::clMaroon;
    Platform::TColor FPinColor = Platform::clYellow;
    Platform::TBorderStyle FBorderStyle = Platform::bsSingle;
    bool FAllowOpen = true;
    TNotifyEvent FOnClick;
    // Draws on FComposeBitmap whatever size it has been given.
    TCanvas FComposeCanvas;
    // A left press was seen and no double-click has followed it.
    bool FPressed = false;
};
