#pragma once

// Fault runs: the cross-session road with a channel that misbehaves, string
// and image modules that are corrupt or cut short, preview modules that
// refuse or lack their function. Each cycle checks the documented outcome and
// that nothing hangs; the phase runner checks that nothing grows.

#include <functional>
#include <string>
#include <vector>

#include "notice_cycles.h"

struct FaultRun {
    const wchar_t* name;
    std::function<std::wstring(SoakContext&, int)> cycle;
};

std::vector<FaultRun> FaultRuns();

// For the copy of the soak program that runs beside the spooler without
// CreatePrintAsyncNotifyChannel: every send returns at once with nothing sent.
std::wstring SpoolerWithoutChannelCycle(SoakContext& soak, int cycle);

// The channel answers with what the receiving entry says, as by default.
void ResetChannelScript();
