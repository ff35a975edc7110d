// Code of the string-resource modules of the tests: none that matters. The
// module under test maps them as resource containers and never runs them.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
