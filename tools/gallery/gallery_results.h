#pragma once

// What one capture run (one language) found, as the report reads it back:
// a UTF-8 text file of tab-separated lines, one record a line. Free of
// platform headers.

#include <stdint.h>

#include <string>
#include <vector>

struct ShotRecord {
    std::string id;      // "warning-ok-cancel"
    std::string family;  // "jobstorage", "duplex", "warning", "road"
    std::string title;
};

struct PictureRecord {
    std::string shot;
    std::string file;  // relative to the gallery folder, with forward slashes
    uint32_t width = 0;
    uint32_t height = 0;
    std::string caption;  // the window's caption
};

// What an entry answered, what went over the channel, which button closed a window.
struct NoteRecord {
    std::string shot;
    std::string label;
    std::string text;
};

// A text that does not fit its control.
struct FitRecord {
    std::string shot;
    std::string picture;  // file of the picture that shows it
    std::string control;  // "caption", "1033", ...
    std::string kind;     // "static", "button", "check box", "edit", "caption"
    std::string text;
    std::string problem;
};

struct FailureRecord {
    std::string shot;
    std::string reason;
};

struct LanguageResults {
    std::string tag;         // "de"
    std::string languageId;  // "0x0407", as the process saw it
    bool rightToLeft = false;
    std::string strings;     // the string-resource module shown
    std::vector<ShotRecord> shots;
    std::vector<PictureRecord> pictures;
    std::vector<NoteRecord> notes;
    std::vector<FitRecord> fits;
    std::vector<FailureRecord> failures;
};

std::string FormatResults(const LanguageResults& results);

// Reads what FormatResults wrote; unknown or short lines are passed over.
LanguageResults ParseResults(const std::string& text);
