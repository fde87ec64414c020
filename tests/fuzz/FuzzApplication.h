#pragma once

// The one application object that the fuzz targets which make widgets or lay out text need.
// It is created once, headless, and lives until the process ends.
class TFuzzApplication
{
public:
    static void Start(const char* ProgramName);
};
