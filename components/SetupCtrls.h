#pragma once

// The board-guide component module: makes its classes known to window content.
class TSetupCtrls
{
public:
    static void Register();
};
