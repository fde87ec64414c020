#include "fuzz/FuzzApplication.h"
#include "platform/ContentLoader.h"
#include "platform/Form.h"

#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

// A window whose content is the fuzz input, with one handler of each event shape.
class TFuzzForm : public TForm
{
    Q_OBJECT

public:
    Q_INVOKABLE void FormCreate(QObject*) {}
    Q_INVOKABLE void Click(QObject*) {}
    Q_INVOKABLE QString CardString(QObject*, int) { return {}; }
    Q_INVOKABLE QString CalibString(QObject*, quint8, bool&) { return {}; }
};

namespace {

// The program names only its own compiled-in pictures; a path to /dev/zero or the like would
// only measure the file system.
bool NamesOnlyResources(const QJsonValue& Value)
{
    if (Value.isArray()) {
        const QJsonArray array = Value.toArray();
        return std::all_of(array.begin(), array.end(), NamesOnlyResources);
    }
    if (!Value.isObject())
        return true;
    const QJsonObject object = Value.toObject();
    const QJsonValue picture = object.value(QStringLiteral("picture"));
    if (picture.isString() && !picture.toString().startsWith(u':'))
        return false;
    return std::all_of(object.begin(), object.end(), NamesOnlyResources);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*Argc*/, char*** Argv)
{
    TFuzzApplication::Start((*Argv)[0]);
    return 0;
}

// Any content either is refused as a whole with EContentError or loads, reporting its broken
// entries to the sink, without a crash, a hang or a leak.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QByteArray content =
        QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size));
    const QJsonDocument document = QJsonDocument::fromJson(content);
    if (!NamesOnlyResources(document.object()))
        return -1;
    const qsizetype widgetsBefore = QApplication::allWidgets().size();
    int errors = 0;
    auto form = std::make_unique<TFuzzForm>();
    try {
        TContentLoader(form.get(), [&errors](const Exception&) { ++errors; }).Load(content);
    } catch (const EContentError&) {
        ++errors;
    }
    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!document.isObject() && errors == 0)
        std::abort();
    // A widget that outlives its form is a leak that the sanitizer cannot see: Qt still
    // lists it.
    if (QApplication::allWidgets().size() != widgetsBefore)
        std::abort();
    return 0;
}

#include "fuzz_content.moc"
