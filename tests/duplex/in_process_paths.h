#pragma once

// VDisplayDialog's paths that show the instructions in the caller's own
// process: version 5 whatever bAsyncUI says, or bAsyncUI zero on version 6.
// The test body is shared; each program instantiates the rows its platform
// version sends this way.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

struct InProcessCase {
    const char* name;
    DWORD bModal;
    BOOL bAsyncUI;
};

class DuplexInProcess : public ::testing::TestWithParam<InProcessCase> {};

inline std::string InProcessCaseName(const ::testing::TestParamInfo<InProcessCase>& info) {
    return info.param.name;
}
