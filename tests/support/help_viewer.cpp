#include "support/help_viewer.h"

#include "support/double_exports.h"

namespace {

const wchar_t kModule[] = L"hhctrl.ocx";

HelpViewerApi Load() {
    HelpViewerApi api;
    api.Reset = DoubleFunction<HelpViewerResetFn>(kModule, "HelpViewerReset");
    api.CallCount = DoubleFunction<HelpViewerCallCountFn>(kModule, "HelpViewerCallCount");
    api.LastCall = DoubleFunction<HelpViewerLastCallFn>(kModule, "HelpViewerLastCall");
    return api;
}

}  // namespace

const HelpViewerApi& HelpViewer() {
    static const HelpViewerApi api = Load();
    return api;
}
