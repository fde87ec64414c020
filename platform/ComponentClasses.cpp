#include "platform/ComponentClasses.h"

#include "platform/Exceptions.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/MainMenu.h"
#include "platform/RadioButton.h"
#include "platform/RadioGroup.h"

QHash<QString, TComponentClasses::TFactory>& TComponentClasses::Factories()
{
    static QHash<QString, TFactory> factories;
    return factories;
}

void TComponentClasses::Register(const QString& ClassName, TFactory Factory)
{
    Factories().insert(ClassName, std::move(Factory));
}

bool TComponentClasses::IsRegistered(const QString& ClassName)
{
    return Factories().contains(ClassName);
}

QObject* TComponentClasses::Create(const QString& ClassName, QObject* Owner, QObject* Parent)
{
    const auto factory = Factories().constFind(ClassName);
    if (factory == Factories().constEnd())
        throw EContentError(QStringLiteral("Class %1 not found").arg(ClassName));
    return (*factory)(Owner, Parent);
}

QWidget* TComponentClasses::ParentWidget(QObject* Parent)
{
    if (auto* form = qobject_cast<TForm*>(Parent))
        return form->Client();
    if (auto* widget = qobject_cast<QWidget*>(Parent))
        return widget;
    throw EContentError(QStringLiteral("Control has no parent window"));
}

void TComponentClasses::RegisterPlatformClasses()
{
    RegisterControl<TImage>(QStringLiteral("TImage"));
    RegisterControl<TLabel>(QStringLiteral("TLabel"));
    RegisterControl<TRadioGroup>(QStringLiteral("TRadioGroup"));
    RegisterControl<TRadioButton>(QStringLiteral("TRadioButton"));
    RegisterComponent<TMainMenu>(QStringLiteral("TMainMenu"));
    Register(QStringLiteral("TMenuItem"), [](QObject* Owner, QObject* Parent) -> QObject* {
        auto* parentItem = qobject_cast<TMenuItem*>(Parent);
        if (!parentItem)
            throw EContentError(QStringLiteral("A menu item needs a menu"));
        auto* item = new TMenuItem(Owner);
        parentItem->Add(item);
        return item;
    });
}
