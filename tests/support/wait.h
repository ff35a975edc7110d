#pragma once

#include <windows.h>

#include <functional>

// How long a test waits for a window, a thread or a recorded call before it
// fails instead of hanging.
const DWORD kTestWaitMs = 10000;

// Polls condition until it holds (true) or timeoutMs pass (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTestWaitMs);
