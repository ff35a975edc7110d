#pragma once

// Whether this process's user interface language reads right to left
// (Arabic, Hebrew), as a test program started with a right-to-left locale
// gets it. A run that was told to expect one (EVDLG_EXPECT_RIGHT_TO_LEFT in
// its environment) fails the calling test when the locale did not take, so
// that it cannot pass quietly as a left-to-right run.
bool InterfaceReadsRightToLeft();
