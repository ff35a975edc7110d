#include "platform_version.h"

DWORD DwPlatformMajorVersion() {
    OSVERSIONINFOW info;
    ZeroMemory(&info, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(&info)) return 0;
    return info.dwMajorVersion;
}
