#pragma once

// The code unit of every text the module moves: UTF-16.
// On Windows that is wchar_t, so module code passes WCHAR buffers straight
// through; the native (Linux) build of the platform-free logic uses char16_t.
#if defined(_WIN32)
typedef wchar_t TextUnit;
#define TEXT_UNITS(s) L##s
#else
typedef char16_t TextUnit;
#define TEXT_UNITS(s) u##s
#endif
