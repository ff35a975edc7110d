#include "support/help_viewer.h"

#include "support/double_exports.h"

namespace {

const wchar_t kModule[] = L"hhctrl.ocx";

}  // namespace

void HelpViewerReset() { DoubleFunction<HelpViewerResetFn>(kModule, "HelpViewerReset")(); }

LONG HelpViewerCallCount() { return DoubleFunction<HelpViewerCallCountFn>(kModule, "HelpViewerCallCount")(); }

BOOL HelpViewerLastCall(HelpViewerCall* call) {
    return DoubleFunction<HelpViewerLastCallFn>(kModule, "HelpViewerLastCall")(call);
}
