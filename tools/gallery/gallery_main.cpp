// evdlg_gallery: shows every notice of evdlgx42.dll through its exported
// entries, keeps a picture of each and checks that its texts fit.
//
//   evdlg_gallery capture --lang-tag TAG --out DIR [--strings PATH] [--dll PATH] [--notice LIST]
//   evdlg_gallery report --out DIR --lang LIST [--strict]
//
// The interface language is the process's own, so one capture runs per
// language (tools/gallery/gallery starts them); the report puts them together.

#include <windows.h>

#include <string>
#include <vector>

#include "capture_run.h"
#include "console_out.h"
#include "file_io.h"
#include "gallery_report.h"
#include "gallery_results.h"
#include "wide_text.h"

namespace {

const char kUsage[] =
    "usage: evdlg_gallery capture --lang-tag TAG --out DIR [--strings PATH] [--dll PATH] [--notice LIST]\n"
    "       evdlg_gallery report --out DIR --lang LIST [--strict]\n"
    "\n"
    "capture  shows the chosen notices (ids or families, comma-separated; all by default)\n"
    "         in this process's interface language and writes DIR/TAG/*.png and\n"
    "         DIR/TAG/results.tsv. --strings names the string-resource module\n"
    "         (default: ORVSTRS.DLL beside this program), --dll the module shown\n"
    "         (default: evdlgx42.dll beside this program).\n"
    "report   writes DIR/index.html from the languages' results and prints the texts\n"
    "         that do not fit; with --strict such a text makes the exit status 2.\n"
    "Exit status: 0 all shown, 1 a notice failed, 2 texts do not fit (--strict), 3 usage.\n";

std::vector<std::string> CommaList(const std::string& text) {
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

struct Arguments {
    std::string mode;
    std::string tag;
    std::wstring out;
    std::wstring strings;
    std::wstring dll;
    std::vector<std::string> notices;
    std::vector<std::string> languages;
    bool strict = false;
};

bool Parse(int argc, wchar_t** argv, Arguments* a, std::string* error) {
    if (argc < 2) return false;
    a->mode = Utf8(argv[1]);
    for (int i = 2; i < argc; ++i) {
        std::string option = Utf8(argv[i]);
        if (option == "--strict") {
            a->strict = true;
            continue;
        }
        if (i + 1 >= argc) {
            *error = option + " needs a value";
            return false;
        }
        std::wstring value = argv[++i];
        if (option == "--lang-tag") {
            a->tag = Utf8(value);
        } else if (option == "--out") {
            a->out = FullPath(value);
        } else if (option == "--strings") {
            a->strings = FullPath(value);
        } else if (option == "--dll") {
            a->dll = FullPath(value);
        } else if (option == "--notice") {
            a->notices = CommaList(Utf8(value));
        } else if (option == "--lang") {
            a->languages = CommaList(Utf8(value));
        } else {
            *error = "unknown option " + option;
            return false;
        }
    }
    if (a->out.empty()) {
        *error = "--out is missing";
        return false;
    }
    return true;
}

int Capture(const Arguments& a) {
    if (a.tag.empty()) {
        PrintError("gallery: --lang-tag is missing\n");
        return 3;
    }
    for (const std::string& notice : a.notices) {
        if (!IsKnownNotice(notice)) {
            PrintError("gallery: no notice or family \"" + notice + "\"\n");
            return 3;
        }
    }
    CaptureOptions options;
    options.outDirectory = a.out;
    options.tag = a.tag;
    options.stringModule = a.strings.empty() ? ProgramDirectoryFile(L"ORVSTRS.DLL") : a.strings;
    options.driverModule = a.dll.empty() ? ProgramDirectoryFile(L"evdlgx42.dll") : a.dll;
    options.notices = a.notices;
    return RunCapture(options);
}

int Report(const Arguments& a) {
    std::vector<LanguageResults> languages;
    for (const std::string& tag : a.languages) {
        std::string text;
        if (ReadWholeFile(JoinPath(JoinPath(a.out, Wide(tag)), L"results.tsv"), &text)) {
            languages.push_back(ParseResults(text));
        } else {
            LanguageResults missing;
            missing.tag = tag;
            missing.failures.push_back({"language", "no results: its capture did not run to the end"});
            languages.push_back(missing);
        }
    }
    std::wstring page = JoinPath(a.out, L"index.html");
    if (!WriteWholeFile(page, RenderGalleryPage(languages))) {
        PrintError("gallery: cannot write " + Utf8(page) + "\n");
        return 1;
    }
    PrintOut(FormatFitTable(languages) + FormatFailures(languages) + "gallery: " + FormatSummary(languages) + "\n");
    if (CountFailures(languages) > 0) return 1;
    return a.strict && CountFits(languages) > 0 ? 2 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Arguments arguments;
    std::string error;
    if (argc >= 2 && (lstrcmpW(argv[1], L"--help") == 0 || lstrcmpW(argv[1], L"-h") == 0)) {
        PrintOut(kUsage);
        return 0;
    }
    if (!Parse(argc, argv, &arguments, &error)) {
        PrintError((error.empty() ? std::string() : "gallery: " + error + "\n") + kUsage);
        return 3;
    }
    if (arguments.mode == "capture") return Capture(arguments);
    if (arguments.mode == "report") return Report(arguments);
    PrintError("gallery: unknown mode " + arguments.mode + "\n" + kUsage);
    return 3;
}
