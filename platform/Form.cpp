#include "platform/Form.h"

#include "platform/Application.h"
#include "platform/MainMenu.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

TForm::TForm(QWidget* Owner) : QWidget(Owner, Qt::Window)
{
    FClient = new QWidget(this);
    FClient->setObjectName(QStringLiteral("qt_client"));
    FClient->setAutoFillBackground(true);
    SetColor(Platform::clBtnFace);
    // A form created in code starts at 0, 0 with the platform's default size.
    setGeometry(0, 0, 320, 240);
    LayoutClient();
    if (auto* application = TApplication::Instance())
        application->RegisterForm(this);
}

TForm::~TForm() = default;

QList<QWidget*> TForm::Controls() const
{
    return FClient->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

QObject* TForm::FindComponent(const QString& Name) const
{
    if (Name.isEmpty())
        return nullptr;
    return findChild<QObject*>(Name);
}

void TForm::SetColor(Platform::TColor Value)
{
    FColor = Value;
    QPalette palette = FClient->palette();
    palette.setColor(QPalette::Window, Platform::ToQColor(Value, this));
    FClient->setPalette(palette);
}

void TForm::SetMenu(TMainMenu* Value)
{
    if (FMenu == Value)
        return;
    if (FMenu)
        FMenu->Bar()->hide();
    FMenu = Value;
    if (FMenu) {
        FMenu->Bar()->setParent(this);
        FMenu->Bar()->show();
    }
    LayoutClient();
}

void TForm::SetPosition(TPosition Value)
{
    FPosition = Value;
    // The window system chooses the place: the form's own 0, 0 is no request then.
    if (Value == poDefault || Value == poDefaultPosOnly)
        setAttribute(Qt::WA_Moved, false);
}

void TForm::SetFormStyle(TFormStyle Value)
{
    FFormStyle = Value;
    ApplyWindowFlags();
}

void TForm::SetBorderStyle(TFormBorderStyle Value)
{
    FBorderStyle = Value;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags()
{
    const bool wasVisible = isVisible();
    Qt::WindowFlags flags = (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin)
                                ? Qt::WindowFlags(Qt::Tool)
                                : Qt::WindowFlags(Qt::Window);
    if (FFormStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    if (wasVisible)
        show();
}

QSize TForm::FrameExtra() const
{
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    return {frame.width() - inner.width(), frame.height() - inner.height()};
}

void TForm::SetWidth(int Value)
{
    resize(qMax(0, Value - FrameExtra().width()), height());
    LayoutClient();
}

void TForm::SetHeight(int Value)
{
    resize(width(), qMax(0, Value - FrameExtra().height()));
    LayoutClient();
}

void TForm::SetBounds(int Left, int Top, int Width, int Height)
{
    move(Left, Top);
    SetWidth(Width);
    SetHeight(Height);
}

void TForm::SetClientSize(int Width, int Height)
{
    resize(Width, Height + MenuHeight());
    LayoutClient();
}

void TForm::SetMinimumOuterSize(int Width, int Height)
{
    const QSize extra = FrameExtra();
    setMinimumSize(qMax(0, Width - extra.width()), qMax(0, Height - extra.height()));
}

void TForm::FitClientToControls()
{
    QRect box;
    const auto controls = Controls();
    for (QWidget* control : controls) {
        if (!control->isHidden())
            box = box.united(control->geometry());
    }
    if (box.isNull())
        return;
    for (QWidget* control : controls)
        control->move(control->pos() - box.topLeft());
    SetClientSize(box.width(), box.height());
}

int TForm::MenuHeight() const
{
    if (!FMenu)
        return 0;
    return FMenu->Bar()->heightForWidth(qMax(width(), 1)) > 0
               ? FMenu->Bar()->heightForWidth(qMax(width(), 1))
               : FMenu->Bar()->sizeHint().height();
}

void TForm::LayoutClient()
{
    const int menuHeight = MenuHeight();
    if (FMenu)
        FMenu->Bar()->setGeometry(0, 0, width(), menuHeight);
    FClient->setGeometry(0, menuHeight, width(), qMax(0, height() - menuHeight));
}

void TForm::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    LayoutClient();
}

void TForm::Show()
{
    show();
    raise();
    activateWindow();
}

void TForm::ShowAsDesigned()
{
    switch (FWindowState) {
    case wsMaximized:
        showMaximized();
        break;
    case wsMinimized:
        showMinimized();
        break;
    case wsNormal:
        show();
        break;
    }
}

void TForm::ApplyPosition()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    QRect area;
    switch (FPosition) {
    case poMainFormCenter: {
        const TForm* main =
            TApplication::Instance() ? TApplication::Instance()->MainForm() : nullptr;
        area = (main && main != this) ? main->frameGeometry() : available;
        break;
    }
    case poScreenCenter:
        area = available;
        break;
    default:
        return;
    }
    const QRect frame = frameGeometry();
    move(area.left() + (area.width() - frame.width()) / 2,
         area.top() + (area.height() - frame.height()) / 2);
}

void TForm::showEvent(QShowEvent* Event)
{
    if (!FPositioned) {
        FPositioned = true;
        ApplyPosition();
    }
    LayoutClient();
    QWidget::showEvent(Event);
}

void TForm::Dispatch(TMessage& /*Message*/) {}

bool TForm::event(QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::WindowActivate:
        Perform(WM_ACTIVATE, WA_ACTIVE, 0);
        if (OnActivate)
            OnActivate(this);
        break;
    case QEvent::WindowDeactivate:
        Perform(WM_ACTIVATE, WA_INACTIVE, 0);
        if (OnDeactivate)
            OnDeactivate(this);
        break;
    default:
        break;
    }
    return QWidget::event(Event);
}

void TForm::closeEvent(QCloseEvent* Event)
{
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone) {
        Event->ignore();
        return;
    }
    Event->accept();
    auto* application = TApplication::Instance();
    if (application && application->MainForm() == this)
        application->quit();
}

void TForm::DoCreate()
{
    if (OnCreate)
        OnCreate(this);
}
