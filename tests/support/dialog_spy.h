#pragma once

// Watches the dialog boxes one loaded module runs (its import of
// user32!DialogBoxParamW): which template, which owner, on which thread, and
// what the dialog ended with. The calls still go to the platform. One spy at
// a time per process.
//
//   DialogSpy spy(module);
//   ... the module shows and ends a dialog ...
//   EXPECT_EQ(101, spy.last().templateId);

#include <windows.h>

struct DialogRequest {
    LONG calls;        // DialogBoxParamW calls made while the spy lives
    LONG returns;      // of which returned
    WORD templateId;   // of the latest call; 0 for a named template
    HWND owner;
    DWORD threadId;    // the thread that made the latest call
    INT_PTR result;    // what the latest returning call gave back
};

class DialogSpy {
public:
    explicit DialogSpy(HMODULE module);
    ~DialogSpy();
    DialogSpy(const DialogSpy&) = delete;
    DialogSpy& operator=(const DialogSpy&) = delete;

    // False when the module does not import DialogBoxParamW.
    bool valid() const;
    DialogRequest last() const;
};
