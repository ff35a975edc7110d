#include "shot_entry.h"

#include <string.h>

#include "file_io.h"
#include "sample_string_ids.h"
#include "wide_text.h"

namespace {

const wchar_t kShortMessage[] = L"Tray 1 is empty. Load paper into Tray 1 to go on printing.";
const wchar_t kLongMessage[] =
    L"The document is set up for A4 paper, but Tray 1 holds Letter paper. Load A4 paper into Tray 1 and click "
    L"Retry, or click Print Anyway to print on the paper in the tray: the edges of some pages may then be cut off.";

std::wstring Message(const Shot& shot, const GalleryContext& context) {
    return shot.message == WarningMessage::Long
               ? context.texts->Text(IDS_MESSAGE_PAPER_MISMATCH, context.language, kLongMessage)
               : context.texts->Text(IDS_MESSAGE_TRAY_EMPTY, context.language, kShortMessage);
}

WarningPayload WarningRecord(const Shot& shot, const GalleryContext& context) {
    return SampleWarning(context.files, shot.captionText, Message(shot, context), shot.buttons, shot.checkBox);
}

std::string Quoted(const wchar_t* text) { return text == nullptr ? "null" : "\"" + Utf8(text) + "\""; }

// What went over the channel and what came back.
void DescribeChannel(SpoolerDouble* spooler, ShotNotes* notes) {
    FakeChannelRecord* record = new FakeChannelRecord;
    spooler->ReadChannel(record);
    const wchar_t* units = reinterpret_cast<const wchar_t*>(record->document);
    size_t length = 0;
    const size_t captured = record->documentSize < kFakeDocumentCapacity ? record->documentSize : kFakeDocumentCapacity;
    while (length < captured / sizeof(wchar_t) && units[length] != 0) ++length;
    std::wstring xml(units, length);
    notes->push_back({"channel", std::to_string(record->sends) + " document of " +
                                     std::to_string(record->documentSize) + " bytes sent for printer \"" +
                                     Utf8(record->printerName) + "\" (XML text " +
                                     std::to_string((length + 1) * sizeof(wchar_t)) + " bytes, then the record)"});
    notes->push_back({"document", Utf8(xml)});
    if (record->hostOutcome == kFakeHostAnswered) {
        notes->push_back({"host", "called the entry the document names, which answered \"" +
                                      Utf8(record->entryResponse) + "\""});
    } else {
        notes->push_back({"host", "no answer from the entry (outcome " + std::to_string(record->hostOutcome) + ")"});
    }
    delete record;
}

void RoadWarning(const Shot& shot, const GalleryContext& context, ShotNotes* notes) {
    HANDLE printer = context.spooler->OpenFreshPrinter(DirectoryOf(context.driver->path));
    if (printer == nullptr) {
        notes->push_back({"failure", "the test spooler opened no printer"});
        return;
    }
    int result = context.driver->showWarning(printer, WarningRecord(shot, context), nullptr);
    context.spooler->ClosePrinterHandle(printer);
    DescribeChannel(context.spooler, notes);
    notes->push_back({"returned", "IShowWarningDialog returned " + std::to_string(result)});
}

void RoadDuplex(const Shot& shot, const GalleryContext& context, ShotNotes* notes) {
    HANDLE printer = context.spooler->OpenFreshPrinter(DirectoryOf(context.driver->path));
    if (printer == nullptr) {
        notes->push_back({"failure", "the test spooler opened no printer"});
        return;
    }
    context.driver->displayDialog(SampleDuplex(context.files, *shot.steps, shot.modal, shot.panelPrompt, printer),
                                  TRUE, nullptr);
    context.spooler->ClosePrinterHandle(printer);
    DescribeChannel(context.spooler, notes);
    notes->push_back({"returned", "VDisplayDialog returned once the user's session had answered"});
}

}  // namespace

void CallShotEntry(const Shot& shot, const GalleryContext& context, ShotNotes* notes) {
    switch (shot.kind) {
    case ShotKind::JobStorage:
        context.driver->jobStorage(SampleJobStorage(context.files));
        notes->push_back({"returned", "VJobStorageDialog returned at once; the notice runs on its own thread"});
        break;
    case ShotKind::Duplex:
        context.driver->displayDialog(
            SampleDuplex(context.files, *shot.steps, shot.modal, shot.panelPrompt, nullptr), FALSE, nullptr);
        notes->push_back({"returned", shot.modal ? "VDisplayDialog returned after the dialog had closed"
                                                 : "VDisplayDialog returned at once"});
        break;
    case ShotKind::Warning: {
        WarningPayload record = WarningRecord(shot, context);
        // The response belongs to the caller, who never frees it here: the
        // module's runtime heap need not be ours.
        const wchar_t* answer = context.driver->warningEntry(&record);
        notes->push_back({"answered", "EvtDlgAsyncUIEntryPointJobUI answered " + Quoted(answer)});
        break;
    }
    case ShotKind::RoadWarning:
        RoadWarning(shot, context, notes);
        break;
    case ShotKind::RoadDuplex:
        RoadDuplex(shot, context, notes);
        break;
    }
}
