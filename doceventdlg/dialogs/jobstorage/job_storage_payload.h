#pragma once

#include <stddef.h>
#include <windows.h>

// The job storage request record: a wire format shared with the driver
// modules that send it. Text fields are UTF-16 and meant to hold their NUL.
struct JobStoragePayload {
    WCHAR szUserName[17];
    WCHAR szJobName[17];
    WCHAR szLocationLine1[256];
    WCHAR szLocationLine2[256];
    WCHAR szLocationLine3[256];
    WCHAR szSettingsKey[38];     // sub key under HKCU\Software\Orvantel\ .
    DWORD dwJobNameFlag1;        // "(1-99)" follows the job name when both
    DWORD dwJobNameFlag2;        // flags are exactly 1.
    WCHAR szStringModule[256];
    WCHAR szHelpFile[256];
};

static_assert(offsetof(JobStoragePayload, szUserName) == 0, "wire layout");
static_assert(offsetof(JobStoragePayload, szJobName) == 34, "wire layout");
static_assert(offsetof(JobStoragePayload, szLocationLine1) == 68, "wire layout");
static_assert(offsetof(JobStoragePayload, szLocationLine2) == 580, "wire layout");
static_assert(offsetof(JobStoragePayload, szLocationLine3) == 1092, "wire layout");
static_assert(offsetof(JobStoragePayload, szSettingsKey) == 1604, "wire layout");
static_assert(offsetof(JobStoragePayload, dwJobNameFlag1) == 1680, "wire layout");
static_assert(offsetof(JobStoragePayload, dwJobNameFlag2) == 1684, "wire layout");
static_assert(offsetof(JobStoragePayload, szStringModule) == 1688, "wire layout");
static_assert(offsetof(JobStoragePayload, szHelpFile) == 2200, "wire layout");
static_assert(sizeof(JobStoragePayload) == 2712, "wire layout");
