#include "fuzz/FuzzApplication.h"
#include "platform/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* /*Argc*/, char*** Argv)
{
    TFuzzApplication::Start((*Argv)[0]);
    return 0;
}

// Any bytes load without a crash or a stall, the layout included, and loading replaces what
// the document held: a second load of the same text gives the same document.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QByteArray rtf =
        QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size));
    QTextDocument document;
    TRtfReader::Load(document, rtf);
    const QString first = document.toPlainText();
    TRtfReader::Load(document, rtf);
    if (document.toPlainText() != first)
        std::abort();
    // The instructions window's width.
    document.setTextWidth(400);
    (void)document.documentLayout()->documentSize();
    return 0;
}
