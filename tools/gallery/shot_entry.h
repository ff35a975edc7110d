#pragma once

// Calls the entry that brings up one shot's notice, on a thread of the
// gallery that plays the calling driver module (or, for the receiving entry,
// the host), and tells what the entry answered.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "driver_module.h"
#include "notice_catalogue.h"
#include "sample_records.h"
#include "spooler_double.h"
#include "string_module_text.h"

struct GalleryContext {
    const DriverModule* driver;
    SampleFiles files;
    LANGID language;
    const StringModuleText* texts;
    SpoolerDouble* spooler;
};

// label, text
typedef std::vector<std::pair<std::string, std::string>> ShotNotes;

// Returns when the entry returns; blocking entries return only once their
// notice has been closed.
void CallShotEntry(const Shot& shot, const GalleryContext& context, ShotNotes* notes);
