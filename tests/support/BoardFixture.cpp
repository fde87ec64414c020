#include "support/BoardFixture.h"

#include <QBuffer>
#include <QTest>

TBoardFixture::TBoardFixture(QColor Photo)
    : Form(new TForm), Menu(new TMainMenu(Form)), Board(new TBoardImage(Form->Client()))
{
    Form->setObjectName(QStringLiteral("FixtureForm"));
    Form->setGeometry(0, 0, 1000, 800);
    for (const char* caption : {"&File", "&Help"}) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(QLatin1String(caption));
        Menu->Add(item);
    }
    Form->SetMenu(Menu);
    QImage photo(561, 600, QImage::Format_RGB32);
    photo.fill(Photo);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "BMP");
    Board->setObjectName(QStringLiteral("BoardImage1"));
    Board->SetAutoSize(false);
    Board->setGeometry(150, 98, 600, 642);
    Board->SetCenterOnForm(false);
    Board->SetStretch(true);
    Board->SetPicture(TPicture::FromData(bmp));
    Board->SetMenu(Menu);
}

TBoardFixture::~TBoardFixture()
{
    delete Form;
}

TBoardHighlight* TBoardFixture::AddCircle(const QString& Name, const QString& Title,
                                          TBoardHighlight::THighlightType Type, QRect Bounds,
                                          TRadioPanel* Panel)
{
    auto* circle = new TBoardHighlight(Board);
    circle->setObjectName(Name);
    circle->setGeometry(Bounds);
    circle->SetHighlightType(Type);
    circle->SetTitle(Title);
    circle->SetRadioPanel(Panel);
    return circle;
}

TRadioPanel* TBoardFixture::AddPanel(const QString& Name, QRect Bounds, const QStringList& Lines)
{
    auto* panel = new TRadioPanel(Form->Client());
    panel->setObjectName(Name);
    panel->setGeometry(Bounds);
    panel->SetLines(Lines);
    return panel;
}

bool TBoardFixture::ShowAndPrepare()
{
    Form->show();
    if (!QTest::qWaitForWindowExposed(Form))
        return false;
    const auto circles = Board->findChildren<TBoardHighlight*>(Qt::FindDirectChildrenOnly);
    return QTest::qWaitFor([&circles] {
        return std::all_of(circles.begin(), circles.end(),
                           [](TBoardHighlight* C) { return C->Prepared(); });
    });
}

QStringList TBoardFixture::MenuCaptions() const
{
    QStringList captions;
    for (int i = 0; i < Menu->Count(); ++i)
        captions << Menu->Items(i)->Caption();
    return captions;
}

QStringList TBoardFixture::KindItems(const QString& KindCaption) const
{
    QStringList captions;
    for (int i = 0; i < Menu->Count(); ++i) {
        if (Menu->Items(i)->Caption() != KindCaption)
            continue;
        for (int j = 0; j < Menu->Items(i)->Count(); ++j)
            captions << Menu->Items(i)->Items(j)->Caption();
    }
    return captions;
}

TMenuItem* TBoardFixture::Item(const QString& Caption) const
{
    for (int i = 0; i < Menu->Count(); ++i) {
        for (int j = 0; j < Menu->Items(i)->Count(); ++j) {
            if (Menu->Items(i)->Items(j)->Caption() == Caption)
                return Menu->Items(i)->Items(j);
        }
    }
    return nullptr;
}
