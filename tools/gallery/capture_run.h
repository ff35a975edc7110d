#pragma once

// One language of the gallery: every chosen notice shown through its entry
// in this process's interface language, captured, checked for texts that do
// not fit and closed through its own buttons.

#include <string>
#include <vector>

struct CaptureOptions {
    std::wstring outDirectory;   // the gallery folder
    std::string tag;             // the language's folder in it: "en", "de", ...
    std::wstring stringModule;   // the driver's string-resource module
    std::wstring driverModule;   // evdlgx42.dll
    std::vector<std::string> notices;  // notice ids or families; empty: all
};

// Writes the pictures and results.tsv into outDirectory\tag. Returns 0 when
// every notice came up, was captured and went away again, else 1.
int RunCapture(const CaptureOptions& options);

// True when the name is a notice id or family of the catalogue.
bool IsKnownNotice(const std::string& name);
