#pragma once

#include <windows.h>

// Sends one request document to the user's session over the spooler's
// asynchronous notification channel for printerName and waits for the
// answer. style is "bidi" (per-user, bidirectional) or "unidi" (all users,
// unidirectional), in any ASCII letter case; any other style opens nothing.
// The document is copied, so the caller may free it once the call returns.
//
// Blocks, without a time limit, while a channel is open and its user has
// not answered; returns at once when nothing was sent (no spooler channel
// function, no channel, the send failed) and when the channel is closed
// without an answer. hReleaseModule, when not null, is released 50 seconds
// after the first answer arrives (and never when none arrives).
//
// 1 when the answer accepted the request ("OK", or the first button of a
// message box), else 0.
BOOL BSendAsyncUIRequest(const wchar_t* printerName, const wchar_t* style, const BYTE* document, DWORD documentSize,
                         HMODULE hReleaseModule);
