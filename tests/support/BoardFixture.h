#pragma once

#include "components/BoardHighlight.h"
#include "components/BoardImage.h"
#include "components/RadioPanel.h"
#include "platform/Form.h"
#include "platform/MainMenu.h"

#include <QColor>

// A small test window: a form with "&File" and "&Help" menus and a board panel showing
// a flat picture, on which tests place circles and explanation panels.
class TBoardFixture
{
public:
    explicit TBoardFixture(QColor Photo = QColor(128, 128, 128));
    ~TBoardFixture();

    TBoardHighlight* AddCircle(const QString& Name, const QString& Title,
                               TBoardHighlight::THighlightType Type, QRect Bounds,
                               TRadioPanel* Panel = nullptr);
    TRadioPanel* AddPanel(const QString& Name, QRect Bounds, const QStringList& Lines = {});
    // Shows the window and waits until every circle has had its first paint.
    bool ShowAndPrepare();
    QStringList MenuCaptions() const;
    QStringList KindItems(const QString& KindCaption) const;
    TMenuItem* Item(const QString& Caption) const;

    TForm* Form;
    TMainMenu* Menu;
    TBoardImage* Board;
};
