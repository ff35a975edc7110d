#include "capture_run.h"

#include <windows.h>

#include <algorithm>

#include "console_out.h"
#include "dialog_watch.h"
#include "file_io.h"
#include "fit_check.h"
#include "gallery_results.h"
#include "shot_entry.h"
#include "wide_text.h"
#include "window_capture.h"

namespace {

const DWORD kAppearMs = 10000;
const DWORD kPaintMs = 5000;
const DWORD kGoneMs = 10000;
const DWORD kReturnMs = 20000;

struct LanguageTag {
    const char* tag;
    WORD primary;
};

const LanguageTag kTags[] = {
    {"en", LANG_ENGLISH}, {"de", LANG_GERMAN}, {"fr", LANG_FRENCH}, {"ar", LANG_ARABIC}, {"he", LANG_HEBREW},
};

std::string Hex(LANGID language) {
    char text[8];
    wsprintfA(text, "0x%04X", language);
    return text;
}

bool Chosen(const Shot& shot, const std::vector<std::string>& notices) {
    if (notices.empty()) return true;
    return std::find(notices.begin(), notices.end(), shot.id) != notices.end() ||
           std::find(notices.begin(), notices.end(), shot.family) != notices.end();
}

// The calling driver module's (or host's) thread; a job whose thread never
// returns is left to the process's end rather than freed under it.
struct CallerJob {
    const Shot* shot;
    const GalleryContext* context;
    ShotNotes notes;
};

DWORD WINAPI CallerThread(void* parameter) {
    CallerJob* job = static_cast<CallerJob*>(parameter);
    CallShotEntry(*job->shot, *job->context, &job->notes);
    return 0;
}

std::string WindowCaption(HWND window) {
    wchar_t text[256];
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK | SMTO_ABORTIFHUNG,
                             2000, &copied)) {
        return std::string();
    }
    return Utf8(std::wstring(text, copied < 256 ? copied : 255));
}

class ShotRun {
public:
    ShotRun(const Shot& shot, const GalleryContext& context, const CaptureOptions& options, LanguageResults* results)
        : shot_(shot), context_(context), options_(options), results_(results) {}

    // The number of pictures taken.
    size_t Run() {
        results_->shots.push_back({shot_.id, shot_.family, shot_.title});
        if ((shot_.kind == ShotKind::RoadWarning || shot_.kind == ShotKind::RoadDuplex) &&
            !context_.spooler->loaded()) {
            Fail("skipped: this process has no test spooler to carry the request across sessions");
            return 0;
        }
        std::vector<HWND> known = VisibleDialogs();
        CallerJob* job = new CallerJob{&shot_, &context_, ShotNotes()};
        HANDLE caller = CreateThread(nullptr, 0, CallerThread, job, 0, &callerThreadId_);
        if (caller == nullptr) {
            delete job;
            Fail("cannot start the calling thread");
            return 0;
        }
        size_t pictures = 0;
        for (size_t i = 0; i < shot_.windows.size(); ++i) {
            if (!Window(shot_.windows[i], i + 1 == shot_.windows.size(), &known)) break;
            ++pictures;
        }
        if (!WaitForThreadEnd(caller, kReturnMs)) {
            Fail("the entry did not return within " + std::to_string(kReturnMs / 1000) + " s");
        } else {
            Notes(job->notes);
            delete job;
        }
        CloseHandle(caller);
        return pictures;
    }

private:
    void Fail(const std::string& reason) { results_->failures.push_back({shot_.id, reason}); }

    void Notes(const ShotNotes& notes) {
        for (const auto& note : notes) {
            if (note.first == "failure") {
                Fail(note.second);
            } else {
                results_->notes.push_back({shot_.id, note.first, note.second});
            }
        }
    }

    std::string PictureFile(const ShotWindow& step) const {
        std::string name = shot_.id;
        if (*step.pictureSuffix) name += std::string("-") + step.pictureSuffix;
        return options_.tag + "/" + name + ".png";
    }

    bool Window(const ShotWindow& step, bool last, std::vector<HWND>* known) {
        HWND window = WaitForNewDialog(*known, kAppearMs);
        if (window == nullptr) {
            Fail("no window came up within " + std::to_string(kAppearMs / 1000) + " s");
            return false;
        }
        known->push_back(window);
        const DWORD threadId = GetWindowThreadProcessId(window, nullptr);
        HANDLE thread = threadId != callerThreadId_ ? OpenThread(SYNCHRONIZE, FALSE, threadId) : nullptr;
        if (!WaitUntilPainted(window, kPaintMs)) Fail("the window was still painting after 5 s");
        bool ok = Picture(window, step);
        ok = Close(window, step) && ok;
        // A notice on a thread of its own (the module's or the host's) is over
        // when that thread has ended; the calling thread is awaited by Run.
        if (ok && last && thread != nullptr && !WaitForThreadEnd(thread, kGoneMs)) {
            Fail("the window's thread did not end");
        }
        if (thread != nullptr) CloseHandle(thread);
        return ok;
    }

    bool Picture(HWND window, const ShotWindow& step) {
        RgbImage image;
        if (!CaptureWindow(window, &image)) {
            Fail("the window's pixels could not be read");
            return false;
        }
        const std::string file = PictureFile(step);
        std::vector<uint8_t> png = EncodePng(image);
        std::wstring path = JoinPath(options_.outDirectory, Wide(file));
        std::replace(path.begin(), path.end(), L'/', L'\\');
        if (!WriteWholeFile(path, png.data(), png.size())) {
            Fail("cannot write " + file);
            return false;
        }
        results_->pictures.push_back({shot_.id, file, image.width, image.height, WindowCaption(window)});
        for (const FitFinding& f : CheckTextFit(window)) {
            results_->fits.push_back({shot_.id, file, Utf8(f.control), Utf8(f.kind), Utf8(f.text), Utf8(f.problem)});
        }
        return true;
    }

    bool Close(HWND window, const ShotWindow& step) {
        if (!CloseThroughButton(window, step.closeButton)) {
            Fail(std::string("cannot press ") + ButtonName(step.closeButton));
            return false;
        }
        if (!WaitForWindowGone(window, kGoneMs)) {
            Fail(std::string("the window stayed after ") + ButtonName(step.closeButton) + " was pressed");
            return false;
        }
        results_->notes.push_back({shot_.id, "closed", std::string("with ") + ButtonName(step.closeButton)});
        return true;
    }

    const Shot& shot_;
    DWORD callerThreadId_ = 0;
    const GalleryContext& context_;
    const CaptureOptions& options_;
    LanguageResults* results_;
};

int WriteResults(const CaptureOptions& options, const LanguageResults& results) {
    std::wstring path = JoinPath(JoinPath(options.outDirectory, Wide(options.tag)), L"results.tsv");
    if (!WriteWholeFile(path, FormatResults(results))) {
        PrintError("gallery: cannot write " + Utf8(path) + "\n");
        return 1;
    }
    return results.failures.empty() ? 0 : 1;
}

void CheckLanguage(const std::string& tag, LANGID language, LanguageResults* results) {
    for (const LanguageTag& known : kTags) {
        if (tag == known.tag && PRIMARYLANGID(language) != known.primary) {
            results->failures.push_back({"language", "the interface language is " + Hex(language) +
                                                         ", not the one of \"" + tag + "\""});
        }
    }
}

}  // namespace

bool IsKnownNotice(const std::string& name) {
    for (const Shot& shot : GalleryShots()) {
        if (name == shot.id || name == shot.family) return true;
    }
    return false;
}

int RunCapture(const CaptureOptions& options) {
    LanguageResults results;
    const LANGID language = GetUserDefaultUILanguage();
    results.tag = options.tag;
    results.languageId = Hex(language);
    results.rightToLeft = PRIMARYLANGID(language) == LANG_ARABIC || PRIMARYLANGID(language) == LANG_HEBREW;
    results.strings = Utf8(options.stringModule);
    if (!MakeDirectories(JoinPath(options.outDirectory, Wide(options.tag)))) {
        PrintError("gallery: cannot make the folder " + Utf8(options.outDirectory) + "\n");
        return 1;
    }
    CheckLanguage(options.tag, language, &results);

    DriverModule driver;
    std::string error;
    if (!LoadDriverModule(options.driverModule, &driver, &error)) {
        results.failures.push_back({"module", Utf8(options.driverModule) + ": " + error});
        WriteResults(options, results);
        return 1;
    }
    SpoolerDouble spooler;
    spooler.Load();
    StringModuleText texts(options.stringModule);
    GalleryContext context = {&driver, {options.stringModule, options.driverModule, L"C:\\Program Files\\Orvantel\\orvdrv.chm"},
                              language, &texts, &spooler};

    std::vector<const Shot*> chosen;
    for (const Shot& shot : GalleryShots()) {
        if (Chosen(shot, options.notices)) chosen.push_back(&shot);
    }
    for (size_t i = 0; i < chosen.size(); ++i) {
        const size_t failuresBefore = results.failures.size(), fitsBefore = results.fits.size();
        size_t pictures = ShotRun(*chosen[i], context, options, &results).Run();
        std::string line = "[" + options.tag + " " + std::to_string(i + 1) + "/" + std::to_string(chosen.size()) +
                           "] " + chosen[i]->id + ": " + std::to_string(pictures) +
                           (pictures == 1 ? " picture" : " pictures");
        if (results.fits.size() > fitsBefore) line += ", " + std::to_string(results.fits.size() - fitsBefore) + " not fitting";
        if (results.failures.size() > failuresBefore) line += ", FAILED: " + results.failures.back().reason;
        PrintOut(line + "\n");
    }
    return WriteResults(options, results);
}
