#pragma once

#include <QApplication>
#include <QPointer>

#include <exception>
#include <functional>

#include "platform/Form.h"

// Message-box flags and answers, with the values the components are written against.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;
inline constexpr unsigned MB_SETFOREGROUND = 0x10000;
inline constexpr unsigned MB_TOPMOST = 0x40000;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDRETRY = 4;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// The application object: main form, one-shot idle hook, message boxes and the
// standard exception report that shows the message and lets the program go on.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    using TIdleEvent = std::function<void(QObject* Sender, bool& Done)>;
    using TResponder =
        std::function<int(const QString& Text, const QString& Caption, unsigned Flags)>;

    TApplication(int& Argc, char** Argv);
    ~TApplication() override;

    static TApplication* Instance();

    // Called at the first moment the message queue runs empty after the main form has
    // painted, and again at every later such moment while assigned.
    TIdleEvent OnIdle;

    TForm* MainForm() const { return FMainForm; }
    void RegisterForm(TForm* Form);
    QList<TForm*> Forms() const;

    int MessageBox(const QString& Text, const QString& Caption, unsigned Flags);
    void HandleException(QObject* Sender, const std::exception& Error);
    // Tests answer message boxes through this, so no modal box ever blocks them.
    void SetResponder(TResponder Responder) { FResponder = std::move(Responder); }

    // Shows the main form as its window state says and runs the message loop.
    int Run();

    bool notify(QObject* Receiver, QEvent* Event) override;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void AboutToBlock();
    void DoIdle();
    int ShowMessageBox(const QString& Text, const QString& Caption, unsigned Flags);

    QPointer<TForm> FMainForm;
    TResponder FResponder;
    // Compared only, never followed: it may be gone before it ever paints.
    QObject* FFirstPaintWatch = nullptr;
    bool FMainFormPainted = false;
    bool FIdleQueued = false;
};
