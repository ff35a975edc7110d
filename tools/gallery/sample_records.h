#pragma once

// The request records a printer driver would send, filled with the sample
// driver's ids and texts.

#include <windows.h>

#include <string>

#include "dialogs/duplex/duplex_payload.h"
#include "dialogs/jobstorage/job_storage_payload.h"
#include "dialogs/warning/warning_payload.h"

// Where the records point: the string-resource module, the picture module
// (evdlgx42.dll itself carries the step pictures) and the help file.
struct SampleFiles {
    std::wstring stringModule;
    std::wstring imageModule;
    std::wstring helpFile;
};

// The three steps of one printer layout: a picture and a text id each.
struct DuplexSteps {
    DWORD bitmap1, text1, bitmap2, text2, bitmap3, text3;
};

// Layout A: output bin on top, Tray 1 at the front, the stack turned over.
extern const DuplexSteps kTopBinSteps;
// Layout B: a tray drawer below the output bin, the stack fed as it came out.
extern const DuplexSteps kDrawerSteps;
// Layout D: OUT tray at the front, IN tray at the rear, Continue on the screen.
extern const DuplexSteps kRearTraySteps;
// Layouts A and C in split pictures; step 3 with the joined text (3140, then 3066).
extern const DuplexSteps kJoinedSteps;

JobStoragePayload SampleJobStorage(const SampleFiles& files);

DuplexPayload SampleDuplex(const SampleFiles& files, const DuplexSteps& steps, bool modal, bool panelPrompt,
                           HANDLE printer);

// Which of the warning's three buttons are shown, and with which text ids.
struct WarningButtons {
    DWORD okText;      // 0: no OK button
    DWORD cancelText;  // 0: no Cancel button
    DWORD thirdText;   // 0: no third button
};

WarningPayload SampleWarning(const SampleFiles& files, DWORD captionText, const std::wstring& message,
                             const WarningButtons& buttons, bool checkBox);
