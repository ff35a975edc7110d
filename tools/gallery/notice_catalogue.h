#pragma once

// The notices the gallery shows: each through the entry a driver module or
// the asynchronous print UI host would call, and the windows it brings up in
// order, each closed through one of its own buttons.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "sample_records.h"

enum class ShotKind {
    JobStorage,   // VJobStorageDialog
    Duplex,       // VDisplayDialog with bAsyncUI 0
    Warning,      // EvtDlgAsyncUIEntryPointJobUI, in this process
    RoadWarning,  // IShowWarningDialog across sessions
    RoadDuplex,   // VDisplayDialog with bAsyncUI 1 across sessions
};

enum class WarningMessage { Short, Long };

struct ShotWindow {
    const char* pictureSuffix;  // added to the picture's name when a shot has more than one window
    int closeButton;            // the button that closes it; 0: the caption's close box
};

struct Shot {
    const char* id;
    const char* family;
    const char* title;
    ShotKind kind;
    std::vector<ShotWindow> windows;
    // Manual duplex.
    const DuplexSteps* steps;
    bool modal;
    bool panelPrompt;
    // Warning.
    DWORD captionText;
    WarningMessage message;
    WarningButtons buttons;
    bool checkBox;
};

const std::vector<Shot>& GalleryShots();

// The name a button goes by in the notes.
const char* ButtonName(int buttonId);
