#pragma once

#include <QColor>
#include <QObject>

#include <cstdint>
#include <functional>

class QWidget;

// Shared value types of the component layer: colours as 32-bit $00BBGGRR values
// (or $80000000 plus a system colour index), anchors, alignment and border styles.
namespace Platform {
Q_NAMESPACE

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clWindowText = 0x80000008;

// Resolves a colour value, system colours through the widget's palette (or the
// application palette when no widget is given).
QColor ToQColor(TColor Color, const QWidget* Widget = nullptr);

enum TAnchorKind
{
    akLeft = 0x1,
    akTop = 0x2,
    akRight = 0x4,
    akBottom = 0x8,
};
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)

enum TAlign : std::uint8_t
{
    alNone,
    alTop,
    alBottom,
    alLeft,
    alRight,
    alClient
};
Q_ENUM_NS(TAlign)

enum TAlignment : std::uint8_t
{
    taLeftJustify,
    taRightJustify,
    taCenter
};
Q_ENUM_NS(TAlignment)

enum TBorderStyle : std::uint8_t
{
    bsNone,
    bsSingle
};
Q_ENUM_NS(TBorderStyle)

enum TBevelCut : std::uint8_t
{
    bvNone,
    bvLowered,
    bvRaised,
    bvSpace
};
Q_ENUM_NS(TBevelCut)

} // namespace Platform

Q_DECLARE_OPERATORS_FOR_FLAGS(Platform::TAnchors)

// Events are plain callables, tested for assignment before each call.
using TNotifyEvent = std::function<void(QObject* Sender)>;
Q_DECLARE_METATYPE(TNotifyEvent)
