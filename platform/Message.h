#pragma once

#include <cstdint>

// A message record as the components exchange it: number, two parameters and a result.
struct TMessage
{
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

inline constexpr unsigned WM_ACTIVATE = 0x0006;
inline constexpr unsigned WM_TIMER = 0x0113;
inline constexpr unsigned WM_USER = 0x0400;
inline constexpr unsigned CM_MOUSEENTER = 0xB013;
inline constexpr unsigned CM_MOUSELEAVE = 0xB014;
// Private message of the board image panel: start the guided tour.
inline constexpr unsigned WM_STARTTOUR = WM_USER + 162;

// WParam values of WM_ACTIVATE.
inline constexpr std::intptr_t WA_INACTIVE = 0;
inline constexpr std::intptr_t WA_ACTIVE = 1;
inline constexpr std::intptr_t WA_CLICKACTIVE = 2;

// Components that handle messages: Perform delivers one synchronously.
class TMessageTarget
{
public:
    virtual ~TMessageTarget() = default;

    std::intptr_t Perform(unsigned Msg, std::intptr_t WParam = 0, std::intptr_t LParam = 0)
    {
        TMessage message{Msg, WParam, LParam, 0};
        Dispatch(message);
        return message.Result;
    }

    virtual void Dispatch(TMessage& Message) = 0;
};
