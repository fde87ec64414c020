#pragma once

#include <functional>

// Runs a real event loop until Done holds or Timeout milliseconds pass; returns Done().
// QTest's waits never block in the event dispatcher, so they never reach an idle moment.
bool RunLoopUntil(const std::function<bool()>& Done, int Timeout = 5000);
