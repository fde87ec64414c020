#pragma once

#include <QPointer>

class QPlainTextEdit;
class QPushButton;
class QWidget;

// One display of the calibration cycle. Each field points at the variable that holds the
// control (a window's field, say), not at the control: the control is looked up there at
// every use, so it may be created or replaced after the entry was registered. A field
// without a variable, or a variable that holds no control, is passed over.
//
// DisplayControl receives line Channel for every channel; a line that the display does
// not have is left alone, since lines are only ever replaced. CalibButton gets the caption
// "Start" and the start handler when the cycle stops; its click handler is the whole set
// of its clicked() connections. HideOnCalib is hidden at every step.
struct TChannelDisplay
{
    QPointer<QPlainTextEdit>* DisplayControl = nullptr;
    QPointer<QPushButton>* CalibButton = nullptr;
    QPointer<QWidget>* HideOnCalib = nullptr;
};
