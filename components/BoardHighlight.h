#pragma once

#include "components/RadioPanel.h"
#include "platform/Form.h"
#include "platform/Message.h"
#include "platform/Types.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class TMainMenu;
class TMenuItem;
class TPopupForm;

// A translucent elliptical ring over one part of the board photograph. It captures the
// photograph beneath it at its first paint and shades three images from it once; it
// lights up with its group when entered, opens the group's popup window, and lists
// itself in its kind's menu.
class TBoardHighlight : public QWidget, public TMessageTarget
{
    Q_OBJECT
    Q_PROPERTY(bool CreatePopup READ CreatePopup WRITE SetCreatePopup)
    Q_PROPERTY(THighlightType HighlightType READ HighlightType WRITE SetHighlightType)
    Q_PROPERTY(TRadioPanel* RadioPanel READ RadioPanel WRITE SetRadioPanel)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(TNotifyEvent OnClick READ GetOnClick WRITE SetOnClick)

public:
    enum THighlightType : std::uint8_t
    {
        htOptions,
        htSettings,
        htCalibration
    };
    Q_ENUM(THighlightType)

    explicit TBoardHighlight(QWidget* Parent = nullptr);
    ~TBoardHighlight() override;

    bool CreatePopup() const { return FCreatePopup; }
    void SetCreatePopup(bool Value) { FCreatePopup = Value; }
    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType Value);
    TRadioPanel* RadioPanel() const;
    void SetRadioPanel(TRadioPanel* Value);
    void LinkRadioPanel(TRadioPanel* Value);
    QString Title() const { return FTitle; }
    void SetTitle(const QString& Value);

    QString CaptionTitle() const { return FCaptionTitle; }
    QString NameStem() const { return FNameStem; }
    bool Lit() const { return FLit; }
    bool Active() const { return FActive; }
    bool Pinned() const { return FPinned; }
    bool Prepared() const { return FPrepared; }
    TPopupForm* Popup() const;
    TMainMenu* Menu() const;
    const QImage& IdleImage() const { return FIdleImage; }
    const QImage& LitImage() const { return FLitImage; }
    const QImage& HotImage() const { return FHotImage; }
    bool Designing() const { return FDesigning; }
    void SetDesigning(bool Value) { FDesigning = Value; }

    // Title forms: without '&' (popup caption), and as an identifier (menu item names).
    static QString CaptionTitleOf(const QString& Title);
    static QString NameStemOf(const QString& Title);
    static QString KindCaption(THighlightType Type);
    // Shades a 32-bit bitmap with the ring inscribed in (0, 0)-(MaxX, MaxY).
    static void ShadeEllipse(QImage& Bitmap, int MaxX, int MaxY, float Intensity,
                             Platform::TColor Color, bool WhiteHot);

    // Members of this circle's group on its board, itself included, in board order.
    QList<TBoardHighlight*> Group() const;
    bool OnBoard() const;

    void Dispatch(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void Click();
    void PopupActivated(bool Active);
    void ApplyActive(bool Value, bool Propagate);
    void Unlight();

    void ShowPopup();
    void PinPopups();
    void PinPopup();
    void PopupClose(QObject* Sender, TForm::TCloseAction& Action);
    void DoneClick(QObject* Sender);

    void AddToMenu();
    void MenuItemClick(QObject* Sender);
    void SetMenuCheck(bool Checked);
    void PreviousClick(QObject* Sender);
    void NextClick(QObject* Sender);

    TNotifyEvent GetOnClick() const { return OnClick; }
    void SetOnClick(const TNotifyEvent& Value) { OnClick = Value; }
    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    void Prepare();
    void BuildImages();
    QImage CaptureBeneath() const;
    const QImage& ChosenImage() const;
    void ForEachMember(const std::function<void(TBoardHighlight*)>& Action);
    void ForwardToGroup(unsigned Msg);
    void BuildPopupControls(int MemoHeight);
    void PlacePopup(int PanelLeft, int PanelTop);
    QList<TMenuItem*> KindMenus() const;
    TMenuItem* OwnItem() const;
    void Navigate(int Step);
    QString UniqueName(const QString& Stem) const;

    QImage FIdleImage;
    QImage FHotImage;
    QImage FLitImage;
    float FIdleIntensity = 0.0f;
    float FHotIntensity = 0.0f;
    float FLitIntensity = 0.0f;
    Platform::TColor FRingColor = 0;
    THighlightType FHighlightType = htOptions;
    bool FLit = false;
    QPointer<TPopupForm> FPopup;
    QString FTitle;
    QString FCaptionTitle;
    QString FNameStem;
    QPointer<TMainMenu> FMenu;
    bool FPrepared = false;
    bool FCreatePopup = true;
    bool FPinned = false;
    QPointer<TRadioPanel> FRadioPanel;
    bool FActive = false;
    bool FDesigning = false;
    bool FPressed = false;
};
