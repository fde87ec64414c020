#pragma once

#include "platform/MainMenu.h"
#include "platform/Message.h"
#include "platform/Types.h"

#include <QPointer>
#include <QWidget>

// A top-level window: caption, menu, client area, position mode, stay-on-top and
// tool-window styles. Closing a secondary form hides it; closing the main form ends
// the program. Left/Top/Width/Height are the outer (frame) geometry.
class TForm : public QWidget, public TMessageTarget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TWindowState WindowState READ WindowState WRITE SetWindowState)
    Q_PROPERTY(Platform::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Platform::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(TMainMenu* Menu READ Menu WRITE SetMenu)
    Q_PROPERTY(TFormStyle FormStyle READ FormStyle WRITE SetFormStyle)
    Q_PROPERTY(TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(bool OldCreateOrder MEMBER FOldCreateOrder)
    Q_PROPERTY(int PixelsPerInch MEMBER FPixelsPerInch)
    Q_PROPERTY(int TextHeight MEMBER FTextHeight)
    Q_PROPERTY(TNotifyEvent OnCreate READ GetOnCreate WRITE SetOnCreate)
    Q_PROPERTY(TNotifyEvent OnActivate READ GetOnActivate WRITE SetOnActivate)
    Q_PROPERTY(TNotifyEvent OnDeactivate READ GetOnDeactivate WRITE SetOnDeactivate)

public:
    enum TWindowState : std::uint8_t
    {
        wsNormal,
        wsMinimized,
        wsMaximized
    };
    Q_ENUM(TWindowState)
    enum TFormStyle : std::uint8_t
    {
        fsNormal,
        fsStayOnTop
    };
    Q_ENUM(TFormStyle)
    enum TFormBorderStyle : std::uint8_t
    {
        bsSizeable,
        bsDialog,
        bsToolWindow,
        bsSizeToolWin
    };
    Q_ENUM(TFormBorderStyle)
    enum TPosition : std::uint8_t
    {
        poDesigned,
        poDefault,
        poDefaultPosOnly,
        poDefaultSizeOnly,
        poScreenCenter,
        poMainFormCenter
    };
    Q_ENUM(TPosition)
    enum TCloseAction : std::uint8_t
    {
        caNone,
        caHide,
        caFree,
        caMinimize
    };
    using TCloseEvent = std::function<void(QObject* Sender, TCloseAction& Action)>;

    // Owner is the form that frees this one (none for the main form).
    explicit TForm(QWidget* Owner = nullptr);
    ~TForm() override;

    // Where the form's controls live: below the menu bar.
    QWidget* Client() const { return FClient; }
    // The form's direct child controls, in creation (and z-) order.
    QList<QWidget*> Controls() const;
    QObject* FindComponent(const QString& Name) const;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& Value) { setWindowTitle(Value); }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value) { FWindowState = Value; }
    Platform::TAlign Align() const { return FAlign; }
    void SetAlign(Platform::TAlign Value) { FAlign = Value; }
    Platform::TColor Color() const { return FColor; }
    void SetColor(Platform::TColor Value);
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

    int Left() const { return frameGeometry().left(); }
    int Top() const { return frameGeometry().top(); }
    int Width() const { return frameGeometry().width(); }
    int Height() const { return frameGeometry().height(); }
    void SetLeft(int Value) { move(Value, Top()); }
    void SetTop(int Value) { move(Left(), Value); }
    void SetWidth(int Value);
    void SetHeight(int Value);
    void SetBounds(int Left, int Top, int Width, int Height);
    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height() - MenuHeight(); }
    void SetClientWidth(int Value) { SetClientSize(Value, ClientHeight()); }
    void SetClientHeight(int Value) { SetClientSize(ClientWidth(), Value); }
    void SetClientSize(int Width, int Height);
    // Outer minimum size; the user may enlarge the form but not shrink it below this.
    void SetMinimumOuterSize(int Width, int Height);
    // One-shot fit of the client area to the bounding box of the visible controls.
    void FitClientToControls();

    // Makes the form visible, brings it to the front and activates it.
    void Show();
    // Shows the main form as its window state says.
    void ShowAsDesigned();

    void Dispatch(TMessage& Message) override;

    TNotifyEvent GetOnCreate() const { return OnCreate; }
    void SetOnCreate(const TNotifyEvent& Value) { OnCreate = Value; }
    TNotifyEvent GetOnActivate() const { return OnActivate; }
    void SetOnActivate(const TNotifyEvent& Value) { OnActivate = Value; }
    TNotifyEvent GetOnDeactivate() const { return OnDeactivate; }
    void SetOnDeactivate(const TNotifyEvent& Value) { OnDeactivate = Value; }
    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;

protected:
    bool event(QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    // Runs OnCreate once the content is loaded and its references are resolved.
    void DoCreate();

private:
    int MenuHeight() const;
    void LayoutClient();
    void ApplyWindowFlags();
    void ApplyPosition();
    QSize FrameExtra() const;

    QWidget* FClient = nullptr;
    QPointer<TMainMenu> FMenu;
    TWindowState FWindowState = wsNormal;
    Platform::TAlign FAlign = Platform::alNone;
    Platform::TColor FColor = Platform::clBtnFace;
    TFormStyle FFormStyle = fsNormal;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
    int FTag = 0;
    bool FOldCreateOrder = false;
    int FPixelsPerInch = 96;
    int FTextHeight = 13;
    bool FPositioned = false;
};
