#pragma once

/* Every name the driver library exports, in the order the binding looks them up, with its
   position in that order. GetNumCards is the only one the program calls. */
#define PELGRIN_CALLED_ENTRY_POINT(X) X(GetNumCards, 1)

#define PELGRIN_UNCALLED_ENTRY_POINTS(X)                                                           \
    X(QueryCardInfo, 2)                                                                            \
    X(QueryBARBase, 3)                                                                             \
    X(WaitForIRQ, 4)                                                                               \
    X(COSWaitForIRQ, 5)                                                                            \
    X(WDGHandleIRQ, 6)                                                                             \
    X(AbortRequest, 7)                                                                             \
    X(CloseCard, 8)                                                                                \
    X(WDGInit, 9)                                                                                  \
    X(WDGSetTimeout, 10)                                                                           \
    X(WDGSetResetDuration, 11)                                                                     \
    X(WDGPet, 12)                                                                                  \
    X(WDGReadTemp, 13)                                                                             \
    X(WDGReadStatus, 14)                                                                           \
    X(WDGStart, 15)                                                                                \
    X(WDGStop, 16)                                                                                 \
    X(EmergencyReboot, 17)                                                                         \
    X(InPortB, 18)                                                                                 \
    X(OutPortB, 19)                                                                                \
    X(InPort, 20)                                                                                  \
    X(OutPort, 21)                                                                                 \
    X(InPortL, 22)                                                                                 \
    X(OutPortL, 23)                                                                                \
    X(InPortDWord, 24)                                                                             \
    X(OutPortDWord, 25)                                                                            \
    X(RelInPortB, 26)                                                                              \
    X(RelOutPortB, 27)                                                                             \
    X(RelInPort, 28)                                                                               \
    X(RelOutPort, 29)                                                                              \
    X(RelInPortL, 30)                                                                              \
    X(RelOutPortL, 31)                                                                             \
    X(RelInPortDWord, 32)                                                                          \
    X(RelOutPortDWord, 33)

#define PELGRIN_ENTRY_POINTS(X) PELGRIN_CALLED_ENTRY_POINT(X) PELGRIN_UNCALLED_ENTRY_POINTS(X)
