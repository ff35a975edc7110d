#include "notice_catalogue.h"

#include "sample_string_ids.h"

namespace {

const int kThirdButton = 285;

const WarningButtons kOk = {IDS_BUTTON_OK, 0, 0};
const WarningButtons kCancel = {0, IDS_BUTTON_CANCEL, 0};
const WarningButtons kThird = {0, 0, IDS_BUTTON_RETRY};
const WarningButtons kOkCancel = {IDS_BUTTON_OK, IDS_BUTTON_CANCEL, 0};
const WarningButtons kOkThird = {IDS_BUTTON_OK, 0, IDS_BUTTON_RETRY};
const WarningButtons kCancelThird = {0, IDS_BUTTON_CANCEL, IDS_BUTTON_RETRY};
const WarningButtons kAllThree = {IDS_BUTTON_OK, IDS_BUTTON_CANCEL, IDS_BUTTON_RETRY};
const WarningButtons kNone = {0, 0, 0};
const WarningButtons kPaperChoice = {IDS_BUTTON_PRINT_ANYWAY, IDS_BUTTON_CANCEL, IDS_BUTTON_RETRY};

Shot JobStorage(const char* id, const char* title) {
    return {id, "jobstorage", title, ShotKind::JobStorage, {{"", IDOK}}, nullptr, false, false, 0,
            WarningMessage::Short, kNone, false};
}

Shot Duplex(const char* id, const char* title, const DuplexSteps& steps, bool modal, bool panelPrompt) {
    return {id, "duplex", title, ShotKind::Duplex, {{"", IDOK}}, &steps, modal, panelPrompt, 0,
            WarningMessage::Short, kNone, false};
}

Shot Warning(const char* id, const char* title, DWORD caption, WarningMessage message, const WarningButtons& buttons,
             bool checkBox, int closeButton) {
    return {id, "warning", title, ShotKind::Warning, {{"", closeButton}}, nullptr, false, false, caption, message,
            buttons, checkBox};
}

std::vector<Shot> MakeShots() {
    const WarningMessage kShort = WarningMessage::Short, kLong = WarningMessage::Long;
    return {
        JobStorage("jobstorage", "Job storage notice: user name, job name with its (1-99) suffix, location lines"),
        Duplex("duplex-modal", "Modal; introduction 3314; output bin on top, Tray 1 at the front", kTopBinSteps,
               true, false),
        Duplex("duplex-modal-panel", "Modal; introduction 5022 (the printer's display guides); tray drawer",
               kDrawerSteps, true, true),
        Duplex("duplex-modeless", "Modeless; introduction 3314; OUT tray at the front, IN tray at the rear",
               kRearTraySteps, false, false),
        Duplex("duplex-modeless-joined",
               "Modeless with step text 3140: texts 3140 and 3066 joined in step 3; split pictures", kJoinedSteps,
               false, true),
        Warning("warning-ok", "OK; check box", IDS_WARNING_CAPTION, kShort, kOk, true, IDOK),
        Warning("warning-cancel", "Cancel; check box", IDS_WARNING_CAPTION, kShort, kCancel, true, IDCANCEL),
        Warning("warning-third", "Third button; check box", IDS_WARNING_CAPTION, kShort, kThird, true, kThirdButton),
        Warning("warning-ok-cancel", "OK and Cancel; check box", IDS_WARNING_CAPTION, kShort, kOkCancel, true,
                IDCANCEL),
        Warning("warning-ok-third", "OK and the third button; no check box", IDS_WARNING_CAPTION, kShort, kOkThird,
                false, IDOK),
        Warning("warning-cancel-third", "Cancel and the third button; check box", IDS_WARNING_CAPTION, kShort,
                kCancelThird, true, kThirdButton),
        Warning("warning-ok-cancel-third", "All three buttons; check box", IDS_WARNING_CAPTION, kShort, kAllThree,
                true, kThirdButton),
        Warning("warning-no-buttons", "No button: only the close box ends it", IDS_WARNING_CAPTION, kShort, kNone,
                true, 0),
        Warning("warning-long", "Long message (over 150 characters): the notice grows; three buttons, check box",
                IDS_WARNING_PAPER_CAPTION, kLong, kPaperChoice, true, IDOK),
        Warning("warning-long-ok", "Long message, OK only, no check box", IDS_WARNING_PAPER_CAPTION, kLong, kOk,
                false, IDOK),
        {"road-warning", "road", "IShowWarningDialog: the warning document, answered from the user's session",
         ShotKind::RoadWarning, {{"", IDCANCEL}}, nullptr, false, false, IDS_WARNING_CAPTION, WarningMessage::Short,
         kOkCancel, true},
        {"road-duplex-modal", "road",
         "VDisplayDialog, modal document: the host's entry shows its message box, then the instructions",
         ShotKind::RoadDuplex, {{"box", IDOK}, {"", IDOK}}, &kTopBinSteps, true, false, 0, WarningMessage::Short,
         kNone, false},
        {"road-duplex-modeless", "road", "VDisplayDialog, modeless document: the entry starts the instructions and "
         "answers at once", ShotKind::RoadDuplex, {{"", IDOK}}, &kDrawerSteps, false, true, 0,
         WarningMessage::Short, kNone, false},
    };
}

}  // namespace

const std::vector<Shot>& GalleryShots() {
    static const std::vector<Shot> shots = MakeShots();
    return shots;
}

const char* ButtonName(int buttonId) {
    switch (buttonId) {
    case 0: return "the close box";
    case IDOK: return "button 1 (OK)";
    case IDCANCEL: return "button 2 (Cancel)";
    case kThirdButton: return "button 285 (the third)";
    default: return "a button";
    }
}
