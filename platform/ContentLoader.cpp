#include "platform/ContentLoader.h"

#include "platform/ComponentClasses.h"
#include "platform/Form.h"
#include "platform/Picture.h"
#include "platform/Types.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QWidget>

#include <cmath>
#include <limits>

namespace {

QString PlainName(const QObject* Object)
{
    return Object->objectName().isEmpty() ? QString::fromLatin1(Object->metaObject()->className())
                                          : Object->objectName();
}

bool IsLate(const QJsonValue& Value)
{
    return Value.isObject() && (Value.toObject().contains(QStringLiteral("ref")) ||
                                Value.toObject().contains(QStringLiteral("handler")));
}

qint64 WholeNumber(const QJsonValue& Value, qint64 Low, qint64 High)
{
    const double number = Value.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!Value.isDouble() || !std::isfinite(number) || number != std::floor(number) ||
        number < double(Low) || number > double(High))
        throw EContentError(
            QStringLiteral("whole number from %1 to %2 expected").arg(Low).arg(High));
    return qint64(number);
}

QFont FontFrom(const QJsonValue& Value, QFont Font)
{
    const QJsonObject object = Value.toObject();
    if (!Value.isObject())
        throw EContentError(QStringLiteral("font description expected"));
    if (object.contains(QStringLiteral("name")))
        Font.setFamily(object.value(QStringLiteral("name")).toString());
    if (object.contains(QStringLiteral("height"))) {
        // Negative heights are character heights in pixels, positive ones points.
        const qint64 height = WholeNumber(object.value(QStringLiteral("height")), -1000, 1000);
        if (height < 0)
            Font.setPixelSize(int(-height));
        else if (height > 0)
            Font.setPointSize(int(height));
    }
    const QJsonArray styles = object.value(QStringLiteral("style")).toArray();
    Font.setBold(styles.contains(QStringLiteral("fsBold")));
    Font.setItalic(styles.contains(QStringLiteral("fsItalic")));
    Font.setUnderline(styles.contains(QStringLiteral("fsUnderline")));
    return Font;
}

} // namespace

TContentLoader::TContentLoader(TForm* Form, TErrorSink Errors)
    : FForm(Form), FErrors(std::move(Errors))
{
}

QHash<int, TContentLoader::TEventType>& TContentLoader::EventTypes()
{
    static QHash<int, TEventType> types;
    return types;
}

void TContentLoader::RegisterEventType(QMetaType Type, const QByteArray& Parameters,
                                       TEventBinder Binder)
{
    EventTypes().insert(Type.id(), {Parameters, std::move(Binder)});
}

void TContentLoader::LoadFromFile(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw EContentError(QStringLiteral("Cannot read the window content %1").arg(Path));
    Load(file.readAll());
}

void TContentLoader::Load(const QByteArray& Content)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(Content, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        throw EContentError(QStringLiteral("Window content is not valid: %1 at offset %2")
                                .arg(error.errorString())
                                .arg(error.offset));
    const QJsonObject root = document.object();
    const QString rootClass = root.value(QStringLiteral("class")).toString();
    if (rootClass != QLatin1String(FForm->metaObject()->className()))
        throw EContentError(QStringLiteral("Window content is for %1, not %2")
                                .arg(rootClass, QLatin1String(FForm->metaObject()->className())));
    if (root.contains(QStringLiteral("name")))
        FForm->setObjectName(root.value(QStringLiteral("name")).toString());
    ApplyProperties(FForm, root.value(QStringLiteral("properties")));
    const QJsonArray components = root.value(QStringLiteral("components")).toArray();
    for (const QJsonValue& component : components)
        LoadComponent(component.toObject(), FForm);
    for (const TLateValue& late : std::as_const(FLateValues))
        ResolveLateValue(late);
    FLateValues.clear();
    ApplyTabOrders();
}

void TContentLoader::LoadComponent(const QJsonObject& Description, QObject* Parent)
{
    const QString name = Description.value(QStringLiteral("name")).toString();
    const QString className = Description.value(QStringLiteral("class")).toString();
    QObject* component = nullptr;
    try {
        if (!name.isEmpty() && FForm->FindComponent(name))
            throw EContentError(QStringLiteral("A component named %1 already exists").arg(name));
        component = TComponentClasses::Create(className, FForm, Parent);
    } catch (const Exception& error) {
        FErrors(EContentError(QStringLiteral("%1: %2").arg(name, error.Message())));
        return;
    }
    component->setObjectName(name);
    ApplyProperties(component, Description.value(QStringLiteral("properties")));
    const QJsonArray children = Description.value(QStringLiteral("components")).toArray();
    for (const QJsonValue& child : children)
        LoadComponent(child.toObject(), component);
}

void TContentLoader::ApplyProperties(QObject* Target, const QJsonValue& Properties)
{
    const QJsonArray pairs = Properties.toArray();
    for (const QJsonValue& pair : pairs) {
        const QJsonArray entry = pair.toArray();
        const QString name = entry.at(0).toString();
        if (entry.size() != 2 || name.isEmpty()) {
            Report(Target, QStringLiteral("?"),
                   QStringLiteral("a property is a [name, value] pair"));
            continue;
        }
        try {
            WriteProperty(Target, name, entry.at(1));
        } catch (const Exception& error) {
            Report(Target, name, error.Message());
        }
    }
}

bool TContentLoader::WriteControlBounds(QObject* Target, const QString& Name,
                                        const QJsonValue& Value)
{
    auto* widget = qobject_cast<QWidget*>(Target);
    if (!widget)
        return false;
    const auto number = [&Value] { return int(WholeNumber(Value, -100000, 100000)); };
    if (auto* form = qobject_cast<TForm*>(Target)) {
        if (Name == QLatin1String("Left"))
            form->SetLeft(number());
        else if (Name == QLatin1String("Top"))
            form->SetTop(number());
        else if (Name == QLatin1String("Width"))
            form->SetWidth(number());
        else if (Name == QLatin1String("Height"))
            form->SetHeight(number());
        else
            return false;
        return true;
    }
    if (Name == QLatin1String("Left"))
        widget->move(number(), widget->y());
    else if (Name == QLatin1String("Top"))
        widget->move(widget->x(), number());
    else if (Name == QLatin1String("Width"))
        widget->resize(qMax(0, number()), widget->height());
    else if (Name == QLatin1String("Height"))
        widget->resize(widget->width(), qMax(0, number()));
    else if (Name == QLatin1String("Visible") && Value.isBool())
        widget->setVisible(Value.toBool());
    else if (Name == QLatin1String("TabStop") && Value.isBool())
        widget->setFocusPolicy(Value.toBool() ? Qt::StrongFocus : Qt::NoFocus);
    else if (Name == QLatin1String("TabOrder"))
        FTabOrders.append({widget, number()});
    else
        return false;
    return true;
}

void TContentLoader::WriteProperty(QObject* Target, const QString& Name, const QJsonValue& Value)
{
    const QMetaObject* meta = Target->metaObject();
    const int index = meta->indexOfProperty(Name.toLatin1().constData());
    if (index < 0) {
        if (WriteControlBounds(Target, Name, Value))
            return;
        throw EContentError(QStringLiteral("property does not exist"));
    }
    const QMetaProperty property = meta->property(index);
    if (IsLate(Value)) {
        FLateValues.append({Target, Name, Value});
        return;
    }
    if (!property.write(Target, Convert(property, Value)))
        throw EContentError(QStringLiteral("invalid property value"));
}

QVariant TContentLoader::Convert(const QMetaProperty& Property, const QJsonValue& Value) const
{
    if (Property.isEnumType()) {
        const QMetaEnum meta = Property.enumerator();
        bool ok = false;
        int number = 0;
        if (meta.isFlag() && Value.isArray()) {
            QStringList names;
            for (const QJsonValue& name : Value.toArray())
                names.append(name.toString());
            number = names.isEmpty() ? 0 : meta.keysToValue(names.join(u'|').toLatin1(), &ok);
            ok = ok || names.isEmpty();
        } else if (Value.isString()) {
            number = meta.keyToValue(Value.toString().toLatin1().constData(), &ok);
        }
        if (!ok)
            throw EContentError(QStringLiteral("invalid property value"));
        return QVariant(Property.metaType(), &number);
    }
    switch (Property.metaType().id()) {
    case QMetaType::Bool:
        if (!Value.isBool())
            throw EContentError(QStringLiteral("True or False expected"));
        return Value.toBool();
    case QMetaType::Int:
        return int(
            WholeNumber(Value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    case QMetaType::UInt:
        return uint(WholeNumber(Value, 0, std::numeric_limits<uint>::max()));
    case QMetaType::UChar:
        return QVariant::fromValue(uchar(WholeNumber(Value, 0, 255)));
    case QMetaType::QString:
        if (!Value.isString())
            throw EContentError(QStringLiteral("text expected"));
        return Value.toString();
    case QMetaType::QStringList: {
        QStringList lines;
        for (const QJsonValue& line : Value.toArray())
            lines.append(line.toString());
        return lines;
    }
    case QMetaType::QFont:
        return FontFrom(Value, FForm->font());
    default:
        break;
    }
    if (Property.metaType() == QMetaType::fromType<TPicture>()) {
        const QString path = Value.toObject().value(QStringLiteral("picture")).toString();
        if (path.isEmpty())
            throw EContentError(QStringLiteral("picture expected"));
        return QVariant::fromValue(TPicture::FromFile(path));
    }
    throw EContentError(QStringLiteral("unsupported property type %1")
                            .arg(QLatin1String(Property.metaType().name())));
}

void TContentLoader::ResolveLateValue(const TLateValue& Late)
{
    if (!Late.Target)
        return;
    const QMetaProperty property = Late.Target->metaObject()->property(
        Late.Target->metaObject()->indexOfProperty(Late.Property.toLatin1().constData()));
    const QJsonObject value = Late.Value.toObject();
    try {
        const QVariant resolved =
            value.contains(QStringLiteral("ref"))
                ? Reference(property, value.value(QStringLiteral("ref")).toString())
                : Handler(property, value.value(QStringLiteral("handler")).toString());
        if (!property.write(Late.Target, resolved))
            throw EContentError(QStringLiteral("invalid property value"));
    } catch (const Exception& error) {
        Report(Late.Target, Late.Property, error.Message());
    }
}

QVariant TContentLoader::Reference(const QMetaProperty& Property, const QString& Name) const
{
    const QMetaObject* wanted = Property.metaType().metaObject();
    if (!wanted || !(Property.metaType().flags() & QMetaType::PointerToQObject))
        throw EContentError(QStringLiteral("property takes no component"));
    QObject* component = FForm->FindComponent(Name);
    if (!component)
        throw EContentError(QStringLiteral("component %1 not found").arg(Name));
    if (!component->metaObject()->inherits(wanted))
        throw EContentError(
            QStringLiteral("%1 is not a %2").arg(Name, QLatin1String(wanted->className())));
    return QVariant(Property.metaType(), &component);
}

QVariant TContentLoader::Handler(const QMetaProperty& Property, const QString& Name) const
{
    QByteArray parameters = QByteArrayLiteral("(QObject*)");
    TEventBinder binder;
    if (Property.metaType() != QMetaType::fromType<TNotifyEvent>()) {
        const auto type = EventTypes().constFind(Property.metaType().id());
        if (type == EventTypes().constEnd())
            throw EContentError(QStringLiteral("property is not an event"));
        parameters = type->Parameters;
        binder = type->Binder;
    }
    const QByteArray signature = Name.toLatin1() + parameters;
    const int index = FForm->metaObject()->indexOfMethod(signature.constData());
    if (index < 0)
        throw EContentError(QStringLiteral("method %1 not found").arg(Name));
    const QMetaMethod method = FForm->metaObject()->method(index);
    if (binder)
        return binder(FForm, method);
    QPointer<TForm> form = FForm;
    return QVariant::fromValue(TNotifyEvent([form, method](QObject* Sender) {
        if (form)
            method.invoke(form, Qt::DirectConnection, Q_ARG(QObject*, Sender));
    }));
}

void TContentLoader::ApplyTabOrders()
{
    std::stable_sort(FTabOrders.begin(), FTabOrders.end(),
                     [](const auto& A, const auto& B) { return A.second < B.second; });
    QHash<QWidget*, QWidget*> lastInParent;
    for (const auto& [widget, order] : std::as_const(FTabOrders)) {
        if (!widget)
            continue;
        QWidget*& last = lastInParent[widget->parentWidget()];
        if (last)
            QWidget::setTabOrder(last, widget);
        last = widget;
    }
    FTabOrders.clear();
}

void TContentLoader::Report(QObject* Target, const QString& Property, const QString& Message) const
{
    FErrors(EContentError(
        QStringLiteral("Error reading %1.%2: %3").arg(PlainName(Target), Property, Message)));
}
