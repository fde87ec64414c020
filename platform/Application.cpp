#include "platform/Application.h"

#include "platform/FontSubstitutes.h"
#include "platform/Form.h"

#include <QAbstractEventDispatcher>
#include <QMessageBox>
#include <QPushButton>

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv)
{
    setApplicationName(QStringLiteral("Settings"));
    // Lets the desktop match the windows to the installed launcher entry.
    setDesktopFileName(QStringLiteral("com.quorvan.Settings"));
    TFontSubstitutes::Install();
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TApplication::AboutToBlock);
}

TApplication::~TApplication() = default;

TApplication* TApplication::Instance()
{
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}

void TApplication::RegisterForm(TForm* Form)
{
    // The first form created becomes the main form.
    if (FMainForm)
        return;
    FMainForm = Form;
    FMainFormPainted = false;
    // The client area paints even where the form's own frame does not.
    FFirstPaintWatch = Form->Client();
    FFirstPaintWatch->installEventFilter(this);
}

QList<TForm*> TApplication::Forms() const
{
    QList<TForm*> forms;
    const auto widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        if (auto* form = qobject_cast<TForm*>(widget))
            forms.append(form);
    }
    return forms;
}

bool TApplication::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::Paint && Watched == FFirstPaintWatch) {
        FMainFormPainted = true;
        Watched->removeEventFilter(this);
        FFirstPaintWatch = nullptr;
    }
    return QApplication::eventFilter(Watched, Event);
}

void TApplication::AboutToBlock()
{
    // Posting from here wakes the dispatcher again, so the hook runs right after.
    if (!OnIdle || !FMainFormPainted || FIdleQueued)
        return;
    FIdleQueued = true;
    QMetaObject::invokeMethod(this, &TApplication::DoIdle, Qt::QueuedConnection);
}

void TApplication::DoIdle()
{
    FIdleQueued = false;
    // The handler may clear OnIdle while it runs, so call a copy.
    const TIdleEvent handler = OnIdle;
    if (!handler)
        return;
    bool done = true;
    try {
        handler(this, done);
    } catch (const std::exception& error) {
        HandleException(this, error);
    }
}

bool TApplication::notify(QObject* Receiver, QEvent* Event)
{
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::exception& error) {
        HandleException(Receiver, error);
        return true;
    }
}

int TApplication::MessageBox(const QString& Text, const QString& Caption, unsigned Flags)
{
    if (FResponder)
        return FResponder(Text, Caption, Flags);
    return ShowMessageBox(Text, Caption, Flags);
}

void TApplication::HandleException(QObject* /*Sender*/, const std::exception& Error)
{
    MessageBox(QString::fromLocal8Bit(Error.what()), applicationName(), MB_OK | MB_ICONHAND);
}

int TApplication::ShowMessageBox(const QString& Text, const QString& Caption, unsigned Flags)
{
    QMessageBox box(FMainForm);
    box.setWindowTitle(Caption);
    box.setText(Text);
    switch (Flags & 0xF0u) {
    case MB_ICONHAND:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONWARNING:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    struct Choice
    {
        QMessageBox::StandardButton Button;
        int Id;
    };
    QList<Choice> choices;
    switch (Flags & 0xFu) {
    case MB_OKCANCEL:
        choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_YESNOCANCEL:
        choices = {
            {QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_YESNO:
        choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
        break;
    case MB_RETRYCANCEL:
        choices = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    default:
        choices = {{QMessageBox::Ok, IDOK}};
        break;
    }
    for (const Choice& choice : choices)
        box.addButton(choice.Button);
    const qsizetype defaultIndex = (Flags & MB_DEFBUTTON3) ? 2 : (Flags & MB_DEFBUTTON2) ? 1 : 0;
    box.setDefaultButton(choices.value(defaultIndex, choices.first()).Button);
    if (Flags & MB_TOPMOST)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const Choice& choice : choices) {
        if (choice.Button == clicked)
            return choice.Id;
    }
    // Esc or the close box: the cancelling answer.
    return choices.size() > 1 ? IDCANCEL : IDOK;
}

int TApplication::Run()
{
    if (FMainForm)
        FMainForm->ShowAsDesigned();
    return exec();
}
