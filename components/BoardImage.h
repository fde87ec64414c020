#pragma once

#include "platform/Message.h"
#include "platform/Picture.h"
#include "platform/Types.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class TBoardHighlight;
class TMainMenu;

// The panel that shows the board photograph. The highlight circles are its children,
// so they stay on their spot of the photograph wherever the panel sits. It records its
// design position at the first paint, keeps itself centred in its window, and starts
// the guided tour at its First circle.
class TBoardImage : public QWidget, public TMessageTarget
{
    Q_OBJECT
    Q_PROPERTY(TBoardHighlight* First READ First WRITE SetFirst)
    Q_PROPERTY(TMainMenu* Menu READ Menu WRITE SetMenu)
    Q_PROPERTY(bool CenterOnForm READ CenterOnForm WRITE SetCenterOnForm)
    Q_PROPERTY(bool Scale READ Scale WRITE SetScale)
    Q_PROPERTY(Platform::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Platform::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(TPicture Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(TNotifyEvent OnClick READ GetOnClick WRITE SetOnClick)
    Q_PROPERTY(TNotifyEvent OnDblClick READ GetOnDblClick WRITE SetOnDblClick)

public:
    explicit TBoardImage(QWidget* Parent = nullptr);
    ~TBoardImage() override;

    TBoardHighlight* First() const;
    void SetFirst(TBoardHighlight* Value);
    TMainMenu* Menu() const;
    void SetMenu(TMainMenu* Value);
    bool CenterOnForm() const { return FCenterOnForm; }
    void SetCenterOnForm(bool Value) { FCenterOnForm = Value; }
    bool Scale() const { return FScale; }
    void SetScale(bool Value);
    Platform::TAlign Align() const { return FAlign; }
    void SetAlign(Platform::TAlign Value) { FAlign = Value; }
    Platform::TAnchors Anchors() const;
    void SetAnchors(Platform::TAnchors Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    const TPicture& Picture() const { return FPicture; }
    void SetPicture(const TPicture& Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    int DesignLeft() const { return FDesignLeft; }
    int DesignTop() const { return FDesignTop; }
    double AspectRatio() const { return FAspectRatio; }
    bool Opaque() const { return testAttribute(Qt::WA_OpaquePaintEvent); }
    bool Designing() const { return FDesigning; }
    void SetDesigning(bool Value) { FDesigning = Value; }

    // Where the picture is drawn in the panel.
    QRect DestRect() const;
    static QRect DestRect(QSize Client, QSize PictureSize, bool Stretch, bool Center);
    // The platform's auto-size query; always answers true.
    bool CanAutoSize(int& NewWidth, int& NewHeight) const;
    void PictureChanged(QObject* Sender);
    void WMStartTour(TMessage& Message);
    void Dispatch(TMessage& Message) override;

    TNotifyEvent GetOnClick() const { return OnClick; }
    void SetOnClick(const TNotifyEvent& Value) { OnClick = Value; }
    TNotifyEvent GetOnDblClick() const { return OnDblClick; }
    void SetOnDblClick(const TNotifyEvent& Value) { OnDblClick = Value; }
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
    void SaveDesignPosition();
    QPoint CenteredPosition() const;
    void CenterInParent();
    void DrawPicture(QPainter& Painter);
    const QImage& ScaledPicture(QSize Size);
    QSize ParentOuterSize() const;

    TPicture FPicture;
    QImage FScaled;
    QPointer<TBoardHighlight> FFirst;
    QPointer<TMainMenu> FMenu;
    double FAspectRatio = 1.0;
    Platform::TAlign FAlign = Platform::alNone;
    bool FCenterOnForm = true;
    bool FScale = true;
    bool FAutoSize = true;
    bool FCenter = false;
    bool FStretch = false;
    bool FTransparent = false;
    bool FDrawing = false;
    bool FDesignPosSaved = false;
    bool FDesigning = false;
    int FDesignLeft = 0;
    int FDesignTop = 0;
};
