#pragma once

// The window content and the supporter's windows name fonts of another desktop. Each is
// mapped to the nearest installed family, so that the texts fit the fixed layouts made
// for it (Debian packages fonts-dejavu-core and fonts-dejavu-extra).
class TFontSubstitutes
{
public:
    // Registers the substitutes with the font system; needs the application object.
    static void Install();
};
