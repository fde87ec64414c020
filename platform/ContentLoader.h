#pragma once

#include "platform/Exceptions.h"

#include <QHash>
#include <QJsonValue>
#include <QList>
#include <QMetaType>
#include <QPointer>
#include <QVariant>

#include <functional>

class TForm;
class QJsonObject;

// Creates a form's components from its content (JSON: components in creation order,
// properties in streaming order as [name, value] pairs) and resolves references and
// event handlers once every component exists. A broken entry is reported with the
// component and property it concerns; loading goes on with the rest.
class TContentLoader
{
public:
    using TErrorSink = std::function<void(const Exception& Error)>;
    // Makes an event value of one event type that calls Method of Handler.
    using TEventBinder = std::function<QVariant(QObject* Handler, const QMetaMethod& Method)>;

    TContentLoader(TForm* Form, TErrorSink Errors);

    void Load(const QByteArray& Content);
    void LoadFromFile(const QString& Path);

    // Event types other than TNotifyEvent register how a handler is bound to them.
    static void RegisterEventType(QMetaType Type, const QByteArray& Parameters,
                                  TEventBinder Binder);

private:
    struct TLateValue
    {
        QPointer<QObject> Target;
        QString Property;
        QJsonValue Value;
    };
    struct TEventType
    {
        QByteArray Parameters;
        TEventBinder Binder;
    };

    void LoadComponent(const QJsonObject& Description, QObject* Parent);
    void ApplyProperties(QObject* Target, const QJsonValue& Properties);
    void WriteProperty(QObject* Target, const QString& Name, const QJsonValue& Value);
    bool WriteControlBounds(QObject* Target, const QString& Name, const QJsonValue& Value);
    QVariant Convert(const QMetaProperty& Property, const QJsonValue& Value) const;
    void ResolveLateValue(const TLateValue& Late);
    QVariant Reference(const QMetaProperty& Property, const QString& Name) const;
    QVariant Handler(const QMetaProperty& Property, const QString& Name) const;
    void ApplyTabOrders();
    void Report(QObject* Target, const QString& Property, const QString& Message) const;
    static QHash<int, TEventType>& EventTypes();

    TForm* FForm;
    TErrorSink FErrors;
    QList<TLateValue> FLateValues;
    QList<QPair<QPointer<QWidget>, int>> FTabOrders;
};
