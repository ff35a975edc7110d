#pragma once

#include <windows.h>

#include "dialogs/warning/warning_payload.h"

// Outcome of one modal warning notice on the calling thread.
struct WarningRun {
    bool created;     // false: no dialog object could be allocated
    INT_PTR result;   // the modal call's result: 1, 2, 285, or 0 / -1 on failure
};

// Shows the notice for record (not owned) and waits until it ends: owned by
// the foreground window when dwShowDialog is 1, template 263 for a
// right-to-left interface language.
WarningRun RunWarningDialogFor(const WarningPayload* record);

// Direct path of the sender: takes the heap copy, shows it, releases it.
// Returns the modal call's result, or 0 when no dialog object could be made.
INT_PTR RunWarningDialog(HLOCAL copy);
