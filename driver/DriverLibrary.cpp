#include "driver/DriverLibrary.h"

#include <QLibrary>

#include <type_traits>

namespace Driver {

TGetNumCards GetNumCards;
TEntryPoint QueryCardInfo, QueryBARBase, WaitForIRQ, COSWaitForIRQ, WDGHandleIRQ, AbortRequest,
    CloseCard, WDGInit, WDGSetTimeout, WDGSetResetDuration, WDGPet, WDGReadTemp, WDGReadStatus,
    WDGStart, WDGStop, EmergencyReboot, InPortB, OutPortB, InPort, OutPort, InPortL, OutPortL,
    InPortDWord, OutPortDWord, RelInPortB, RelOutPortB, RelInPort, RelOutPort, RelInPortL,
    RelOutPortL, RelInPortDWord, RelOutPortDWord;

namespace {

// QLibrary first tries the name with the platform's prefix and suffix added, skipping those
// the name already has. These names make its first attempt the bare driver file name: on
// Windows it appends ".dll" itself; on macOS it still tries the ".so" and ".bundle" forms.
#if defined(Q_OS_WIN)
constexpr auto DriverFileName = "Pelgrin";
#elif defined(Q_OS_DARWIN)
constexpr auto DriverFileName = "libPelgrin.dylib";
#else
constexpr auto DriverFileName = "libPelgrin.so";
#endif

bool LibraryAvailable = false;

template <auto& Slot>
void StoreAddress(QFunctionPointer Address)
{
    Slot = reinterpret_cast<std::remove_reference_t<decltype(Slot)>>(Address);
}

struct TSlot
{
    const char* Name;
    void (*Store)(QFunctionPointer Address);
};

// clang-format off
#define DRIVER_SLOT(Name) TSlot{#Name, &StoreAddress<Name>}
// clang-format on
constexpr TSlot Slots[] = {
    DRIVER_SLOT(GetNumCards),
    DRIVER_SLOT(QueryCardInfo),
    DRIVER_SLOT(QueryBARBase),
    DRIVER_SLOT(WaitForIRQ),
    DRIVER_SLOT(COSWaitForIRQ),
    DRIVER_SLOT(WDGHandleIRQ),
    DRIVER_SLOT(AbortRequest),
    DRIVER_SLOT(CloseCard),
    DRIVER_SLOT(WDGInit),
    DRIVER_SLOT(WDGSetTimeout),
    DRIVER_SLOT(WDGSetResetDuration),
    DRIVER_SLOT(WDGPet),
    DRIVER_SLOT(WDGReadTemp),
    DRIVER_SLOT(WDGReadStatus),
    DRIVER_SLOT(WDGStart),
    DRIVER_SLOT(WDGStop),
    DRIVER_SLOT(EmergencyReboot),
    DRIVER_SLOT(InPortB),
    DRIVER_SLOT(OutPortB),
    DRIVER_SLOT(InPort),
    DRIVER_SLOT(OutPort),
    DRIVER_SLOT(InPortL),
    DRIVER_SLOT(OutPortL),
    DRIVER_SLOT(InPortDWord),
    DRIVER_SLOT(OutPortDWord),
    DRIVER_SLOT(RelInPortB),
    DRIVER_SLOT(RelOutPortB),
    DRIVER_SLOT(RelInPort),
    DRIVER_SLOT(RelOutPort),
    DRIVER_SLOT(RelInPortL),
    DRIVER_SLOT(RelOutPortL),
    DRIVER_SLOT(RelInPortDWord),
    DRIVER_SLOT(RelOutPortDWord),
};
#undef DRIVER_SLOT

QLibrary& Library()
{
    // Never deleted and never unloaded: the slots point into the library for the rest of
    // the process.
    static QLibrary* const Handle = [] {
        auto* Library = new QLibrary(QString::fromLatin1(DriverFileName));
        Library->setLoadHints(QLibrary::PreventUnloadHint);
        return Library;
    }();
    return *Handle;
}

} // namespace

void LoadDriverLibrary()
{
    if (LibraryAvailable)
        return;
    if (!Library().load())
        return;
    // Every name is looked up even after a miss, so the slots show all that was found.
    bool Complete = true;
    for (const TSlot& Slot : Slots) {
        const QFunctionPointer Address = Library().resolve(Slot.Name);
        Slot.Store(Address);
        Complete = Complete && Address != nullptr;
    }
    LibraryAvailable = Complete;
}

bool DriverLibraryAvailable()
{
    return LibraryAvailable;
}

std::int32_t CardCount()
{
    LoadDriverLibrary();
    return DriverLibraryAvailable() ? GetNumCards() : 0;
}

QByteArrayList EntryPointNames()
{
    QByteArrayList Names;
    for (const TSlot& Slot : Slots)
        Names.append(Slot.Name);
    return Names;
}

} // namespace Driver
