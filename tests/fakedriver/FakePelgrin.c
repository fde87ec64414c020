/* A stand-in for the maker's driver library. GetNumCards reports the count in
   PELGRIN_FAKE_CARDS (2 when unset); the other entry points are stubs. */

#include "EntryPoints.h"

#include <stdint.h>
#include <stdlib.h>

static int Calls = 0;

int32_t GetNumCards(void)
{
    const char* Cards = getenv("PELGRIN_FAKE_CARDS");
    ++Calls;
    return Cards ? (int32_t)strtol(Cards, NULL, 10) : 2;
}

/* Not part of the driver: lets a test see whether the program called GetNumCards. */
int PelgrinFakeGetNumCardsCalls(void)
{
    return Calls;
}

/* Each stub returns its own position so that no two can be folded into one address. */
#define PELGRIN_STUB(Name, Position)                                                               \
    int32_t Name(void)                                                                             \
    {                                                                                              \
        return Position;                                                                           \
    }
PELGRIN_UNCALLED_ENTRY_POINTS(PELGRIN_STUB)
