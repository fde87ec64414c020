#pragma once

#include <QHash>
#include <QString>

#include <functional>

class QObject;
class QWidget;

// Component classes by name, so that window content can name what to create.
class TComponentClasses
{
public:
    // Creates a component owned by Owner inside Parent (a widget, menu item or Owner).
    using TFactory = std::function<QObject*(QObject* Owner, QObject* Parent)>;

    static void Register(const QString& ClassName, TFactory Factory);
    static QObject* Create(const QString& ClassName, QObject* Owner, QObject* Parent);
    static bool IsRegistered(const QString& ClassName);
    // The widget a control created inside Parent belongs to (a form's client area).
    static QWidget* ParentWidget(QObject* Parent);

    // A widget class: its QObject parent is the parent control (a form's client area).
    template <typename T>
    static void RegisterControl(const QString& ClassName)
    {
        Register(ClassName,
                 [](QObject*, QObject* Parent) -> QObject* { return new T(ParentWidget(Parent)); });
    }

    // A non-visual class: owned by the form.
    template <typename T>
    static void RegisterComponent(const QString& ClassName)
    {
        Register(ClassName, [](QObject* Owner, QObject*) -> QObject* { return new T(Owner); });
    }

    // The platform's own classes: picture, labels, option controls, menus.
    static void RegisterPlatformClasses();

private:
    static QHash<QString, TFactory>& Factories();
};
