#pragma once

#include "components/SetupCtrls.h"
#include "platform/Application.h"
#include "support/MessageLog.h"

#include <QTest>

// Like QTEST_MAIN, on the program's own application object with its component classes
// registered and every message box answered by TMessageLog.
#define SETTINGS_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TApplication application(argc, argv);                                                      \
        application.setAttribute(Qt::AA_Use96Dpi, true);                                           \
        TSetupCtrls::Register();                                                                   \
        TMessageLog::Instance().Install();                                                         \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
