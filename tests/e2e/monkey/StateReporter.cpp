#include "StateReporter.h"

#include "app/MainForm.h"
#include "components/BoardHighlight.h"
#include "components/BoardImage.h"
#include "components/PopupForm.h"
#include "components/ThreeJumper.h"
#include "platform/Application.h"
#include "platform/MainMenu.h"
#include "platform/RadioButton.h"
#include "platform/RadioGroup.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QJsonDocument>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QRadioButton>
#include <QSocketNotifier>
#include <QStatusBar>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The window manager's menu button sits at the left end of a title bar: its menu can send a
// window to another desktop, which is no test of ours.
constexpr int WindowMenuButtonWidth = 24;

QRect GlobalRect(const QWidget* Widget)
{
    return {Widget->mapToGlobal(QPoint(0, 0)), Widget->size()};
}

QRect TitleBand(const QWidget* Window)
{
    const QRect frame = Window->frameGeometry();
    return {frame.left(), frame.top(), frame.width(), Window->geometry().top() - frame.top()};
}

bool Showing(const QWidget* Window)
{
    return Window && Window->isVisible() && !Window->isMinimized();
}

} // namespace

TStateReporter::TStateReporter(TMainForm* Form, const QString& RequestPipe, const QString& Output)
    : FForm(Form), FOutput(Output)
{
    if (!FOutput.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        qFatal("cannot write the state to %s", qPrintable(Output));
    const QByteArray path = QFile::encodeName(RequestPipe);
    FPipe = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    FKeepOpen = FPipe < 0 ? -1 : ::open(path.constData(), O_WRONLY | O_CLOEXEC);
    if (FPipe < 0 || FKeepOpen < 0)
        qFatal("cannot read requests from %s", path.constData());
    FNotifier = new QSocketNotifier(FPipe, QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, &TStateReporter::ReadRequests);
}

TStateReporter::~TStateReporter()
{
    delete FNotifier;
    ::close(FKeepOpen);
    ::close(FPipe);
}

void TStateReporter::ReadRequests()
{
    char buffer[256];
    ssize_t count = 0;
    while ((count = ::read(FPipe, buffer, sizeof buffer)) > 0)
        FPending.append(buffer, qsizetype(count));
    qsizetype end = 0;
    while ((end = FPending.indexOf('\n')) >= 0) {
        const QByteArray line = FPending.left(end).trimmed();
        FPending.remove(0, end + 1);
        if (line.startsWith("state "))
            Report(line.mid(6));
    }
}

void TStateReporter::Report(const QByteArray& Id)
{
    // "id" sorts before "state", so a reader finds its answer by the start of the line.
    const QJsonObject answer{{QStringLiteral("id"), QString::fromLatin1(Id)},
                             {QStringLiteral("state"), State()}};
    FOutput.write(QJsonDocument(answer).toJson(QJsonDocument::Compact) + '\n');
}

QJsonObject TStateReporter::State() const
{
    QJsonArray targets;
    QJsonArray avoid;
    AddTargets(targets, avoid);
    const QWidget* modal = QApplication::activeModalWidget();
    return {{QStringLiteral("mainVisible"), FForm->isVisible()},
            {QStringLiteral("mainMaximized"), FForm->isMaximized()},
            {QStringLiteral("mainMinimized"), FForm->isMinimized()},
            {QStringLiteral("modal"), modal ? modal->windowTitle() + QStringLiteral(" (") +
                                                  QLatin1String(modal->metaObject()->className()) +
                                                  u')'
                                            : QString()},
            {QStringLiteral("options"), Options()},
            {QStringLiteral("circles"), Circles()},
            {QStringLiteral("popups"), Popups()},
            {QStringLiteral("targets"), targets},
            {QStringLiteral("avoid"), avoid}};
}

QJsonObject TStateReporter::Options() const
{
    const QMetaEnum states = QMetaEnum::fromType<TThreeJumper::TJumperState>();
    QJsonObject jumpers;
    for (const TThreeJumper* jumper :
         {FForm->TTLJumper0, FForm->TTLJumper1, FForm->RangeJumper0, FForm->RangeJumper1})
        jumpers.insert(jumper->objectName(),
                       QString::fromLatin1(states.valueToKey(jumper->JumperState())));
    QJsonObject groups;
    for (const TRadioGroup* group : {FForm->TTLRadios0, FForm->TTLRadios1}) {
        // The button that shows as selected, which must be the one ItemIndex says.
        const auto buttons = group->Buttons();
        const auto shown = std::find_if(buttons.begin(), buttons.end(),
                                        [](const QRadioButton* B) { return B->isChecked(); });
        groups.insert(group->objectName(),
                      QJsonObject{{QStringLiteral("itemIndex"), group->ItemIndex()},
                                  {QStringLiteral("shown"),
                                   shown == buttons.end() ? -1 : int(shown - buttons.begin())}});
    }
    QJsonObject buttons;
    for (const TRadioButton* button : {FForm->B5Radio, FForm->U10Radio})
        buttons.insert(button->objectName(), button->Checked());
    return {{QStringLiteral("jumpers"), jumpers},
            {QStringLiteral("radioGroups"), groups},
            {QStringLiteral("radioButtons"), buttons}};
}

QJsonArray TStateReporter::Circles() const
{
    QJsonArray circles;
    const auto highlights = FForm->findChildren<TBoardHighlight*>();
    for (const TBoardHighlight* circle : highlights) {
        QJsonValue checked;
        const TMainMenu* menu = circle->Menu();
        const QString kind = TBoardHighlight::KindCaption(circle->HighlightType());
        for (int i = 0; menu && i < menu->Count() && checked.isNull(); ++i) {
            const TMenuItem* top = menu->Items(i);
            for (int j = 0; top->Caption() == kind && j < top->Count() && checked.isNull(); ++j) {
                if (top->Items(j)->Caption() == circle->Title())
                    checked = top->Items(j)->Checked();
            }
        }
        QJsonValue popup;
        if (const TPopupForm* window = circle->Popup())
            popup = QJsonObject{{QStringLiteral("visible"), window->isVisible()},
                                {QStringLiteral("autoClose"), window->AutoClose()}};
        circles.append(QJsonObject{{QStringLiteral("name"), circle->objectName()},
                                   {QStringLiteral("group"), kind + u' ' + circle->Title()},
                                   {QStringLiteral("lit"), circle->Lit()},
                                   {QStringLiteral("pinned"), circle->Pinned()},
                                   {QStringLiteral("popup"), popup},
                                   {QStringLiteral("checked"), checked}});
    }
    return circles;
}

QJsonArray TStateReporter::Popups() const
{
    QJsonArray popups;
    const auto forms = TApplication::Instance()->Forms();
    for (const TForm* form : forms) {
        const auto* popup = qobject_cast<const TPopupForm*>(form);
        if (!popup)
            continue;
        popups.append(
            QJsonObject{{QStringLiteral("caption"), popup->Caption()},
                        {QStringLiteral("tag"), popup->Tag()},
                        {QStringLiteral("visible"), popup->isVisible()},
                        {QStringLiteral("owner"),
                         popup->Highlight() ? popup->Highlight()->objectName() : QString()}});
    }
    return popups;
}

void TStateReporter::AddTargets(QJsonArray& Targets, QJsonArray& Avoid) const
{
    if (Showing(FForm)) {
        // The main window's frame buttons would minimise, restore or end the program.
        Avoid.append(Rect(TitleBand(FForm)));
        Targets.append(Target(GlobalRect(FForm->BoardImage1), QStringLiteral("board"),
                              FForm->BoardImage1->objectName()));
        const auto circles = FForm->findChildren<TBoardHighlight*>();
        for (const TBoardHighlight* circle : circles) {
            if (circle->isVisible())
                Targets.append(
                    Target(GlobalRect(circle), QStringLiteral("circle"), circle->objectName()));
        }
        AddMenuTargets(Targets, Avoid);
    }
    const auto forms = TApplication::Instance()->Forms();
    for (TForm* form : forms) {
        if (form != FForm && form->isWindow() && Showing(form))
            AddWindowTargets(Targets, form);
    }
}

void TStateReporter::AddWindowTargets(QJsonArray& Targets, QWidget* Window) const
{
    const QString title = Window->windowTitle();
    const QRect band = TitleBand(Window);
    Targets.append(
        Target(band.adjusted(WindowMenuButtonWidth, 0, 0, 0), QStringLiteral("titlebar"), title));
    Targets.append(Target(GlobalRect(Window), QStringLiteral("window"), title));
    const auto widgets = Window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        const bool control = qobject_cast<const QAbstractButton*>(widget) ||
                             qobject_cast<const TThreeJumper*>(widget) ||
                             qobject_cast<const QAbstractScrollArea*>(widget) ||
                             qobject_cast<const QStatusBar*>(widget);
        if (control && widget->isVisible())
            Targets.append(Target(GlobalRect(widget), QStringLiteral("control"),
                                  title + u'/' +
                                      (widget->objectName().isEmpty()
                                           ? QLatin1String(widget->metaObject()->className())
                                           : widget->objectName())));
    }
}

void TStateReporter::AddMenuTargets(QJsonArray& Targets, QJsonArray& Avoid) const
{
    // File holds only Exit, which would end the run; its title is avoided so that a menu
    // opened next to it does not slide over to it.
    const auto isExit = [](const QAction* Action) {
        return Action->text() == QLatin1String("&File") || Action->text() == QLatin1String("&Exit");
    };
    if (const TMainMenu* menu = FForm->MainMenu1; menu && menu->Bar()) {
        const QMenuBar* bar = menu->Bar();
        const auto actions = bar->actions();
        for (QAction* action : actions) {
            const QRect rect(bar->mapToGlobal(bar->actionGeometry(action).topLeft()),
                             bar->actionGeometry(action).size());
            if (isExit(action))
                Avoid.append(Rect(rect));
            else if (action->isVisible())
                Targets.append(Target(rect, QStringLiteral("menu"), action->text()));
        }
    }
    const auto* open = qobject_cast<const QMenu*>(QApplication::activePopupWidget());
    if (!open)
        return;
    const auto actions = open->actions();
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QRect rect(open->mapToGlobal(open->actionGeometry(action).topLeft()),
                         open->actionGeometry(action).size());
        if (isExit(action))
            Avoid.append(Rect(rect));
        else
            Targets.append(Target(rect, QStringLiteral("menuitem"), action->text()));
    }
}

QJsonArray TStateReporter::Rect(const QRect& Rect)
{
    return {Rect.x(), Rect.y(), Rect.width(), Rect.height()};
}

QJsonArray TStateReporter::Target(const QRect& Rect, const QString& Kind, const QString& Name)
{
    return {Rect.x(), Rect.y(), Rect.width(), Rect.height(), Kind, Name};
}
