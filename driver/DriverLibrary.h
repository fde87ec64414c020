#pragma once

#include <QByteArrayList>
#include <QtGlobal>

#include <cstdint>

// Run-time binding of the maker's driver library. The library is looked for by its bare
// file name on the system's library search path when first needed, and once loaded it
// stays loaded until the process ends. One state per process, written only here.
namespace Driver {

// The one entry point that is called: the number of installed cards, 0 or less for none.
using TGetNumCards = std::int32_t (*)();
// The other entry points only have to exist; their signatures are never relied on.
using TEntryPoint = QFunctionPointer;

// The entry-point slots, in lookup order. Call through them only while
// DriverLibraryAvailable() is true.
extern TGetNumCards GetNumCards;
extern TEntryPoint QueryCardInfo, QueryBARBase, WaitForIRQ, COSWaitForIRQ, WDGHandleIRQ,
    AbortRequest, CloseCard, WDGInit, WDGSetTimeout, WDGSetResetDuration, WDGPet, WDGReadTemp,
    WDGReadStatus, WDGStart, WDGStop, EmergencyReboot, InPortB, OutPortB, InPort, OutPort, InPortL,
    OutPortL, InPortDWord, OutPortDWord, RelInPortB, RelOutPortB, RelInPort, RelOutPort, RelInPortL,
    RelOutPortL, RelInPortDWord, RelOutPortDWord;

// Loads the library and fills every slot, quietly doing nothing when it is missing.
// Returns at once when the binding is already available; otherwise every call tries again.
void LoadDriverLibrary();

// True only when the library was loaded and every entry point was found.
bool DriverLibraryAvailable();

// The installed-cards query: loads the binding and asks it for the card count, or 0 when
// the binding is unavailable. A count of 0 or less means no card.
std::int32_t CardCount();

// The entry-point names in the order they are looked up.
QByteArrayList EntryPointNames();

} // namespace Driver
