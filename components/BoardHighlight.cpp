#include "components/BoardHighlight.h"

#include "components/BoardImage.h"
#include "components/PopupForm.h"
#include "components/RadioPanel.h"
#include "platform/Application.h"
#include "platform/MainMenu.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <cmath>

namespace {

struct TKind
{
    Platform::TColor RingColor;
    float Idle;
    float Lit;
    float Hot;
    const char* Caption;
    const char* NamePrefix;
};

const TKind& KindOf(TBoardHighlight::THighlightType Type)
{
    static const TKind kinds[] = {
        {Platform::clBlue, 0.25f, 0.5f, 1.0f, "&Options", "Options"},
        {Platform::clYellow, 0.5f, 0.75f, 1.0f, "&Settings", "Settings"},
        {Platform::clRed, 0.5f, 0.75f, 1.0f, "&Calibration", "Calibration"},
    };
    return kinds[std::min<unsigned>(Type, 2)];
}

bool IsIdentifierStart(QChar C)
{
    return (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z') || C == u'_';
}

bool IsIdentifierChar(QChar C)
{
    return IsIdentifierStart(C) || (C >= u'0' && C <= u'9');
}

bool IsMenuItem(const QObject* Object)
{
    return Object && Object->metaObject() == &TMenuItem::staticMetaObject;
}

std::uint8_t ShadeChannel(std::uint8_t Base, std::uint8_t Color, float A, float B)
{
    // lrint rounds halves to even in the default mode and compiles to one instruction.
    return std::uint8_t(std::clamp(std::lrint(float(Base) * B + float(Color) * A), 0L, 255L));
}

} // namespace

TBoardHighlight::TBoardHighlight(QWidget* Parent) : QWidget(Parent)
{
    resize(65, 65);
    SetHighlightType(htSettings);
}

TBoardHighlight::~TBoardHighlight() = default;

TRadioPanel* TBoardHighlight::RadioPanel() const
{
    return FRadioPanel;
}

TPopupForm* TBoardHighlight::Popup() const
{
    return FPopup;
}

TMainMenu* TBoardHighlight::Menu() const
{
    return FMenu;
}

QString TBoardHighlight::KindCaption(THighlightType Type)
{
    return QString::fromLatin1(KindOf(Type).Caption);
}

void TBoardHighlight::SetHighlightType(THighlightType Value)
{
    if (FHighlightType == Value)
        return;
    FHighlightType = Value;
    const TKind& kind = KindOf(Value);
    FRingColor = kind.RingColor;
    FIdleIntensity = kind.Idle;
    FLitIntensity = kind.Lit;
    FHotIntensity = kind.Hot;
    update();
}

void TBoardHighlight::SetTitle(const QString& Value)
{
    if (FTitle == Value)
        return;
    FTitle = Value;
    FCaptionTitle = CaptionTitleOf(Value);
    FNameStem = NameStemOf(Value);
}

QString TBoardHighlight::CaptionTitleOf(const QString& Title)
{
    QString caption = Title;
    caption.remove(u'&');
    return caption;
}

QString TBoardHighlight::NameStemOf(const QString& Title)
{
    const bool identifier =
        !Title.isEmpty() && IsIdentifierStart(Title.front()) &&
        std::all_of(Title.begin(), Title.end(), [](QChar C) { return IsIdentifierChar(C); });
    if (Title.isEmpty() || identifier)
        return Title;
    qsizetype start = 0;
    while (start < Title.size() && !IsIdentifierStart(Title.at(start)))
        ++start;
    QString stem;
    for (qsizetype i = start; i < Title.size(); ++i) {
        if (i == start || IsIdentifierChar(Title.at(i)))
            stem.append(Title.at(i));
    }
    return stem;
}

void TBoardHighlight::ShadeEllipse(QImage& Bitmap, int MaxX, int MaxY, float Intensity,
                                   Platform::TColor Color, bool WhiteHot)
{
    const std::uint8_t colour[3] = {std::uint8_t((Color >> 16) & 0xFF),
                                    std::uint8_t((Color >> 8) & 0xFF), std::uint8_t(Color & 0xFF)};
    // Inside the inner disc the weight is constant: its results are looked up, computed
    // once with exactly the arithmetic of the ring.
    const float discA = 0.16f * Intensity;
    const float discB = 1.0f - discA;
    std::uint8_t disc[3][256];
    for (int channel = 0; channel < 3; ++channel) {
        for (int base = 0; base < 256; ++base)
            disc[channel][base] = ShadeChannel(std::uint8_t(base), colour[channel], discA, discB);
    }
    const float sx = 2.0f / float(MaxX);
    const float sy = 2.0f / float(MaxY);
    const int lastRow = std::min(MaxY, Bitmap.height() - 1);
    const int lastColumn = std::min(MaxX, Bitmap.width() - 1);
    for (int y = 0; y <= lastRow; ++y) {
        const float v = float(y) * sy - 1.0f;
        const float halfWidth = 1.0f - v * v;
        if (!(halfWidth > 0.0f))
            continue;
        // Only the columns near the ellipse are visited; each is still tested exactly.
        const float reach = std::sqrt(halfWidth);
        const int first = std::max(0, int(std::floor((1.0f - reach) / sx)) - 1);
        const int last = std::min(lastColumn, int(std::ceil((1.0f + reach) / sx)) + 1);
        std::uint8_t* pixel = Bitmap.scanLine(y) + 4 * first;
        for (int x = first; x <= last; ++x, pixel += 4) {
            const float u = float(x) * sx - 1.0f;
            const float d = u * u + v * v;
            if (!(d < 1.0f))
                continue;
            if (d < 0.5929f) {
                for (int channel = 0; channel < 3; ++channel)
                    pixel[channel] = disc[channel][pixel[channel]];
                continue;
            }
            float a = 1.0f - std::fabs(std::sqrt(d) - 0.875f) * 8.0f;
            if (WhiteHot) {
                a = a * 2.0f;
                if (a > 1.0f) {
                    pixel[0] = pixel[1] = pixel[2] = 255;
                    a = 2.0f - a;
                }
            }
            a = a * Intensity;
            const float b = 1.0f - a;
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = ShadeChannel(pixel[channel], colour[channel], a, b);
        }
    }
}

bool TBoardHighlight::OnBoard() const
{
    const QWidget* parent = parentWidget();
    return parent && parent->metaObject() == &TBoardImage::staticMetaObject;
}

QList<TBoardHighlight*> TBoardHighlight::Group() const
{
    QList<TBoardHighlight*> members;
    if (!OnBoard()) {
        members.append(const_cast<TBoardHighlight*>(this));
        return members;
    }
    const auto siblings = parentWidget()->children();
    for (QObject* sibling : siblings) {
        if (sibling->metaObject() != &TBoardHighlight::staticMetaObject)
            continue;
        auto* circle = static_cast<TBoardHighlight*>(sibling);
        if (circle->FTitle == FTitle && circle->FHighlightType == FHighlightType)
            members.append(circle);
    }
    return members;
}

void TBoardHighlight::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        CMMouseEnter(Message);
        break;
    case CM_MOUSELEAVE:
        CMMouseLeave(Message);
        break;
    default:
        break;
    }
}

void TBoardHighlight::enterEvent(QEnterEvent* Event)
{
    QWidget::enterEvent(Event);
    Perform(CM_MOUSEENTER, 0, 0);
}

void TBoardHighlight::leaveEvent(QEvent* Event)
{
    QWidget::leaveEvent(Event);
    Perform(CM_MOUSELEAVE, 0, 0);
}

void TBoardHighlight::mousePressEvent(QMouseEvent* Event)
{
    FPressed = Event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(Event);
}

void TBoardHighlight::mouseReleaseEvent(QMouseEvent* Event)
{
    const bool click = FPressed && Event->button() == Qt::LeftButton &&
                       rect().contains(Event->position().toPoint());
    FPressed = false;
    QWidget::mouseReleaseEvent(Event);
    if (click)
        Click();
}

void TBoardHighlight::ForEachMember(const std::function<void(TBoardHighlight*)>& Action)
{
    if (!OnBoard())
        return;
    // A snapshot: lighting, activating or raising a member reorders the board's children
    // under the walk, and every member must still be reached exactly once.
    const auto members = Group();
    const QList<QPointer<TBoardHighlight>> guarded(members.begin(), members.end());
    for (const auto& member : guarded) {
        if (member)
            Action(member);
    }
}

void TBoardHighlight::ForwardToGroup(unsigned Msg)
{
    ForEachMember([Msg](TBoardHighlight* Member) { Member->Perform(Msg, 1, 0); });
}

void TBoardHighlight::CMMouseEnter(TMessage& Message)
{
    if (FLit)
        return;
    FLit = true;
    update();
    if (FCreatePopup)
        ShowPopup();
    if (Message.WParam == 1)
        return;
    ForwardToGroup(CM_MOUSEENTER);
}

void TBoardHighlight::CMMouseLeave(TMessage& Message)
{
    if (!FLit)
        return;
    if (FPopup && !FPinned) {
        // The pointer may already be over the popup: the leave is noticed late.
        const QRect window = FPopup->frameGeometry();
        if (window.contains(QCursor::pos())) {
            FPopup->SetAutoClose(true);
            PinPopups();
        } else {
            FPopup->close();
        }
    }
    if (Message.WParam == 1)
        return;
    ForwardToGroup(CM_MOUSELEAVE);
}

void TBoardHighlight::Click()
{
    if (OnClick)
        OnClick(this);
    PinPopups();
}

void TBoardHighlight::PopupActivated(bool Active)
{
    ApplyActive(Active, true);
}

void TBoardHighlight::ApplyActive(bool Value, bool Propagate)
{
    FActive = Value;
    raise();
    update();
    if (!Propagate)
        return;
    ForEachMember([this, Value](TBoardHighlight* Member) {
        if (Member != this)
            Member->ApplyActive(Value, false);
    });
}

void TBoardHighlight::Unlight()
{
    FLit = false;
    update();
}

const QImage& TBoardHighlight::ChosenImage() const
{
    if (FActive && FLit)
        return FHotImage;
    if (FActive || FLit)
        return FLitImage;
    return FIdleImage;
}

void TBoardHighlight::paintEvent(QPaintEvent* /*Event*/)
{
    if (FDesigning) {
        BuildImages();
    } else if (!FPrepared) {
        Prepare();
        FPrepared = true;
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(0, 0, width(), height()), ChosenImage(),
                      QRect(0, 0, width(), height()));
}

void TBoardHighlight::Prepare()
{
    BuildImages();
    if (OnBoard()) {
        FMenu = static_cast<TBoardImage*>(parentWidget())->Menu();
        AddToMenu();
    } else {
        FMenu = nullptr;
    }
}

QImage TBoardHighlight::CaptureBeneath() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Platform::ToQColor(Platform::clBtnFace, this));
    if (QWidget* parent = parentWidget()) {
        // The parent paints itself, without its children, exactly as it does on screen.
        parent->render(&image, QPoint(0, 0), QRegion(geometry()),
                       QWidget::RenderFlags(QWidget::DrawWindowBackground));
    }
    return image;
}

void TBoardHighlight::BuildImages()
{
    const QImage beneath = CaptureBeneath();
    struct
    {
        QImage* Image;
        float Intensity;
        bool WhiteHot;
    } const images[] = {{&FIdleImage, FIdleIntensity, false},
                        {&FHotImage, FHotIntensity, true},
                        {&FLitImage, FLitIntensity, false}};
    for (const auto& entry : images) {
        *entry.Image = beneath.copy();
        if (width() > 1 && height() > 1)
            ShadeEllipse(*entry.Image, width() - 1, height() - 1, entry.Intensity, FRingColor,
                         entry.WhiteHot);
    }
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* Value)
{
    if (FRadioPanel == Value)
        return;
    if (!Value) {
        FRadioPanel = nullptr;
        return;
    }
    if (QWidget* parent = parentWidget()) {
        const auto siblings = parent->children();
        for (QObject* sibling : siblings) {
            auto* other = qobject_cast<TBoardHighlight*>(sibling);
            if (!other || other == this || other->FRadioPanel != Value)
                continue;
            if (other->FTitle != FTitle || other->FHighlightType != FHighlightType) {
                // One panel may serve one group only.
                const auto* board = qobject_cast<TBoardImage*>(parent);
                auto* application = TApplication::Instance();
                if (board && board->Designing() && application)
                    application->MessageBox(Value->objectName() +
                                                QStringLiteral(" has already been assigned to ") +
                                                other->objectName() + QStringLiteral("."),
                                            QString(), MB_OK);
                return;
            }
        }
    }
    FRadioPanel = Value;
    if (!FDesigning)
        return;
    auto* application = TApplication::Instance();
    const auto members = Group();
    for (TBoardHighlight* member : members) {
        if (member == this || member->FRadioPanel == Value || !application)
            continue;
        const int answer = application->MessageBox(
            objectName() +
                QStringLiteral("'s RadioPanel property changed. Synchronize linked "
                               "component ") +
                member->objectName() + QStringLiteral("?"),
            QString(), MB_YESNO);
        if (answer == IDYES)
            member->LinkRadioPanel(Value);
    }
}

void TBoardHighlight::LinkRadioPanel(TRadioPanel* Value)
{
    FRadioPanel = Value;
}

void TBoardHighlight::ShowPopup()
{
    if (FPopup) {
        if (FPopup->isHidden())
            FPinned = false;
        FPopup->Show();
        return;
    }
    auto* application = TApplication::Instance();
    const auto forms = application ? application->Forms() : QList<TForm*>();
    for (TForm* form : forms) {
        // Another member of the group owns the window.
        if (form->Caption() == FCaptionTitle && form->Tag() == int(FHighlightType))
            return;
    }
    auto* popup = new TPopupForm(this);
    FPopup = popup;
    popup->SetBorderStyle(TForm::bsSizeToolWin);
    popup->SetFormStyle(TForm::fsStayOnTop);
    FPinned = false;
    int memoHeight = 58;
    int panelLeft = 0;
    int panelTop = 0;
    if (TRadioPanel* panel = FRadioPanel) {
        memoHeight = panel->MemoHeight();
        popup->OnActivate = panel->OnActivate();
        popup->OnDeactivate = panel->OnDeactivate();
        panelLeft = panel->x();
        panelTop = panel->y();
        panel->move(0, 0);
        panel->setVisible(true);
        popup->SetClientSize(panel->width(), panel->height() + 32 + memoHeight + 19);
        panel->setParent(popup->Client());
        panel->setVisible(true);
        panel->MarkHosted();
    } else {
        popup->SetClientSize(194, 58 + 64 + 19);
    }
    popup->SetCaption(FCaptionTitle);
    popup->SetWidth(std::max(194, popup->Width()));
    popup->SetHeight(std::max(122, popup->Height()));
    popup->SetMinimumOuterSize(popup->Width(), popup->Height());
    popup->SetTag(int(FHighlightType));
    popup->SetPosition(TForm::poDesigned);
    PlacePopup(panelLeft, panelTop);
    popup->OnClose = [this](QObject* Sender, TForm::TCloseAction& Action) {
        PopupClose(Sender, Action);
    };
    BuildPopupControls(memoHeight);
    popup->KeepOnScreen();
    popup->Show();
    if (FRadioPanel)
        FRadioPanel->setFocus();
    else
        popup->DoneButton()->setFocus();
}

void TBoardHighlight::PlacePopup(int PanelLeft, int PanelTop)
{
    const QWidget* parent = parentWidget();
    if (!parent)
        return;
    int dx = 0;
    int dy = 0;
    if (OnBoard()) {
        const auto* board = static_cast<const TBoardImage*>(parent);
        dx = board->DesignLeft() - PanelLeft;
        dy = board->DesignTop() - PanelTop;
    }
    if (!FRadioPanel) {
        dx = 0;
        dy = -(parent->height() + 38);
    }
    // The board's position in the main window's client area is used as a screen position.
    FPopup->move(parent->x() - dx, parent->y() - dy);
}

void TBoardHighlight::BuildPopupControls(int MemoHeight)
{
    FPopup->BuildControls(
        MemoHeight, FRadioPanel ? FRadioPanel->Lines() : QStringList(),
        [this](QObject* Sender) { PreviousClick(Sender); },
        [this](QObject* Sender) { NextClick(Sender); },
        [this](QObject* Sender) { DoneClick(Sender); });
}

void TBoardHighlight::PinPopups()
{
    if (FPopup) {
        FPinned = true;
        SetMenuCheck(true);
    }
    ForEachMember([](TBoardHighlight* Member) { Member->PinPopup(); });
}

void TBoardHighlight::PinPopup()
{
    if (!FPopup)
        return;
    FPinned = true;
    SetMenuCheck(true);
    if (FPopup->isVisible()) {
        FPopup->activateWindow();
        if (QWidget* focus = FPopup->focusWidget())
            focus->setFocus();
    }
}

void TBoardHighlight::PopupClose(QObject* /*Sender*/, TForm::TCloseAction& /*Action*/)
{
    SetMenuCheck(false);
    if (FPopup)
        FPopup->SetAutoClose(false);
    Unlight();
    ForEachMember([](TBoardHighlight* Member) { Member->Unlight(); });
}

void TBoardHighlight::DoneClick(QObject* /*Sender*/)
{
    if (FPopup)
        FPopup->close();
}

QString TBoardHighlight::UniqueName(const QString& Stem) const
{
    // Component names must be identifiers; a stem without letters gets a neutral one.
    const QString stem = Stem.isEmpty() ? QStringLiteral("MenuItem") : Stem;
    const QObject* owner = FMenu ? FMenu->parent() : nullptr;
    const auto* form = qobject_cast<const TForm*>(owner);
    for (int n = 1;; ++n) {
        const QString name = stem + QString::number(n);
        const QObject* existing =
            form ? form->FindComponent(name) : (owner ? owner->findChild<QObject*>(name) : nullptr);
        if (!existing)
            return name;
    }
}

void TBoardHighlight::AddToMenu()
{
    if (!FMenu)
        return;
    const QString kindCaption = KindCaption(FHighlightType);
    QObject* owner = FMenu->parent();
    const auto makeItem = [this, owner] {
        auto* item = new TMenuItem(owner);
        item->setObjectName(UniqueName(FNameStem));
        item->SetCaption(FTitle);
        item->OnClick = [this](QObject* Sender) { MenuItemClick(Sender); };
        return item;
    };
    const int count = FMenu->Count();
    for (int i = 0; i < count; ++i) {
        TMenuItem* kind = FMenu->Items(i);
        if (kind->Caption() != kindCaption)
            continue;
        for (int j = 0; j < kind->Count(); ++j) {
            if (kind->Items(j)->Caption() == FTitle)
                return;
        }
        if (!FTitle.isEmpty())
            kind->Add(makeItem());
        return;
    }
    static const QStringList insertBefore[] = {
        {QStringLiteral("&Help")},
        {QStringLiteral("&Calibration"), QStringLiteral("&Options"), QStringLiteral("&Help")},
        {QStringLiteral("&Options"), QStringLiteral("&Help")},
    };
    int position = count;
    for (int i = 0; i < count; ++i) {
        if (insertBefore[FHighlightType].contains(FMenu->Items(i)->Caption())) {
            position = i;
            break;
        }
    }
    auto* kind = new TMenuItem(owner);
    kind->setObjectName(UniqueName(QString::fromLatin1(KindOf(FHighlightType).NamePrefix)));
    kind->SetCaption(kindCaption);
    FMenu->Insert(position, kind);
    if (!FTitle.isEmpty())
        kind->Add(makeItem());
}

QList<TMenuItem*> TBoardHighlight::KindMenus() const
{
    QList<TMenuItem*> menus;
    if (!FMenu)
        return menus;
    const QString kindCaption = KindCaption(FHighlightType);
    for (int i = 0; i < FMenu->Count(); ++i) {
        if (FMenu->Items(i)->Caption() == kindCaption)
            menus.append(FMenu->Items(i));
    }
    return menus;
}

TMenuItem* TBoardHighlight::OwnItem() const
{
    const auto menus = KindMenus();
    for (TMenuItem* kind : menus) {
        for (int j = 0; j < kind->Count(); ++j) {
            if (kind->Items(j)->Caption() == FTitle)
                return kind->Items(j);
        }
    }
    return nullptr;
}

void TBoardHighlight::MenuItemClick(QObject* Sender)
{
    if (IsMenuItem(Sender) && static_cast<TMenuItem*>(Sender)->Checked()) {
        if (FPopup) {
            FPopup->close();
        } else {
            ForEachMember([Sender](TBoardHighlight* Member) {
                if (Member->FPopup)
                    Member->MenuItemClick(Sender);
            });
        }
        return;
    }
    Perform(CM_MOUSEENTER, 0, 0);
    PinPopups();
    Perform(CM_MOUSELEAVE, 0, 0);
}

void TBoardHighlight::SetMenuCheck(bool Checked)
{
    if (TMenuItem* item = OwnItem())
        item->SetChecked(Checked);
}

void TBoardHighlight::Navigate(int Step)
{
    const auto menus = KindMenus();
    for (TMenuItem* kind : menus) {
        const int n = kind->Count();
        for (int j = 0; j < n; ++j) {
            if (kind->Items(j)->Caption() != FTitle)
                continue;
            TMenuItem* target = kind->Items((j + Step + n) % n);
            if (FPopup)
                FPopup->close();
            // Not a menu item as sender: the target opens and pins even when checked.
            if (target->OnClick)
                target->OnClick(this);
            return;
        }
    }
}

void TBoardHighlight::PreviousClick(QObject* /*Sender*/)
{
    Navigate(-1);
}

void TBoardHighlight::NextClick(QObject* /*Sender*/)
{
    Navigate(1);
}
