#pragma once

#include <windows.h>

// Major version the platform reports (GetVersionExW with the basic 276-byte
// record); 0 when it does not answer. From 6 on, a notice for the spooler's
// side goes to the user's session.
DWORD DwPlatformMajorVersion();
