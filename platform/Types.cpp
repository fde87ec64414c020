#include "platform/Types.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace Platform {

QColor ToQColor(TColor Color, const QWidget* Widget)
{
    if ((Color & 0xFF000000u) == 0x80000000u) {
        const QPalette palette = Widget ? Widget->palette() : QApplication::palette();
        switch (Color & 0xFFu) {
        case 0x05: // window background
            return palette.color(QPalette::Base);
        case 0x08: // window text
            return palette.color(QPalette::WindowText);
        case 0x0F: // button face
        default:
            return palette.color(QPalette::Button);
        }
    }
    return QColor(int(Color & 0xFF), int((Color >> 8) & 0xFF), int((Color >> 16) & 0xFF));
}

} // namespace Platform
