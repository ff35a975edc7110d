// A module with nothing in it: tests load it to see whether an owner
// releases a module handle or leaves it loaded.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
