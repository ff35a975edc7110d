#pragma once

// The user's-session half of the host: what a request document asks for,
// done as the platform's asynchronous print UI host does it.

#include <windows.h>

#include <string>
#include <vector>

// Reads the document's XML text (up to its NUL, within the document), loads
// the module its dll attribute names from directory, and calls the entry its
// entrypoint attribute names with a pointer to the bytes after the text's NUL.
// Returns a FakeHostOutcome; *response gets the entry's answer (at most 259
// characters). The module stays loaded: an entry may leave a dialog thread
// running in it.
DWORD RunRequestedEntry(const std::vector<BYTE>& document, const std::wstring& directory, std::wstring* response);
