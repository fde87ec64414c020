#include "platform/FontSubstitutes.h"

#include <QFont>
#include <QStringList>

void TFontSubstitutes::Install()
{
    // DejaVu Sans matches Verdana's wide letters; its condensed cut matches the narrower
    // Tahoma and the 8 point dialog font, whose text height of 13 pixels it keeps.
    const QString condensed = QStringLiteral("DejaVu Sans Condensed");
    const QString wide = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {condensed, wide});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {condensed, wide});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {wide});
}
