#include "text_lookup.h"

#include <stdio.h>

#include "bench_texts.h"
#include "paint_watch.h"
#include "support/import_patch.h"
#include "text/text_context.h"

namespace {

// Every id the notices look up, from the bench's string modules.
const UINT kIds[] = {
    BT_JOB_CAPTION, BT_JOB_USER, BT_JOB_NAME, BT_JOB_STORED_AT, BT_DO_NOT_SHOW, BT_OK, BT_HELP,
    BT_DUPLEX_CAPTION, BT_DUPLEX_INTRO, BT_DUPLEX_STEP1_NUMBER, BT_DUPLEX_STEP2_NUMBER, BT_DUPLEX_STEP3_NUMBER,
    BT_DUPLEX_STEP1, BT_DUPLEX_STEP2, BT_DUPLEX_STEP3_INSERT, BT_DUPLEX_STEP3_PRESS_GO, BT_DUPLEX_CONTINUE,
    BT_WARNING_CAPTION, BT_WARNING_OK, BT_WARNING_CANCEL, BT_WARNING_THIRD,
};
const int kIdCount = sizeof(kIds) / sizeof(kIds[0]);
const int kRounds = 2000;

struct StringModule {
    const wchar_t* file;
    const char* description;
};

const StringModule kModules[] = {
    {L"bench_strings_us.dll", "module in the user's language"},
    {L"bench_strings_gb.dll", "module in English (UK) only"},
    {L"bench_strings_de.dll", "module in German only"},
};

// Microseconds per text over kRounds rounds of every identifier.
template <typename Lookup>
double MicrosecondsPerText(Lookup lookup) {
    WCHAR buffer[TEXT_BUFFER_CCH];
    double start = NowMs();
    for (int round = 0; round < kRounds; ++round) {
        for (int i = 0; i < kIdCount; ++i) lookup(kIds[i], buffer);
    }
    return (NowMs() - start) * 1000.0 / (kRounds * kIdCount);
}

Figure MeasureLookupIn(const StringModule& strings, int repeats) {
    Figure figure = MakeFigure(std::string("BLoadText, ") + strings.description, "us",
                               "LoadStringW, same module and ids", Goal{kRatioAtMost, 1.5});
    TextContext context;
    context.VLoadStringModule(BinPath(strings.file).c_str());
    if (context.hStringModule == 0) {
        figure.failed = true;
        return figure;
    }
    HMODULE module = context.hStringModule;
    auto own = [&](UINT id, WCHAR* buffer) { context.BLoadText(id, buffer); };
    auto platform = [&](UINT id, WCHAR* buffer) { LoadStringW(module, id, buffer, TEXT_BUFFER_CCH); };
    // The first round also settles the language the module's lookups use.
    MicrosecondsPerText(own);
    MicrosecondsPerText(platform);
    for (int run = 0; run < repeats; ++run) {
        figure.values.push_back(MicrosecondsPerText(own));
        figure.baselines.push_back(MicrosecondsPerText(platform));
    }
    return figure;
}

struct LookupCounts {
    LONG finds;
    LONG loads;
    LONG searches;
};

LookupCounts g_counts;
ImportPatch* g_findPatch;
ImportPatch* g_loadPatch;
ImportPatch* g_searchPatch;

typedef HRSRC(WINAPI* FindResourceExWFn)(HMODULE, LPCWSTR, LPCWSTR, WORD);
typedef HGLOBAL(WINAPI* LoadResourceFn)(HMODULE, HRSRC);
typedef BOOL(WINAPI* EnumResourceTypesWFn)(HMODULE, ENUMRESTYPEPROCW, LONG_PTR);

HRSRC WINAPI CountFind(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language) {
    InterlockedIncrement(&g_counts.finds);
    return reinterpret_cast<FindResourceExWFn>(g_findPatch->original())(module, type, name, language);
}

HGLOBAL WINAPI CountLoad(HMODULE module, HRSRC resource) {
    InterlockedIncrement(&g_counts.loads);
    return reinterpret_cast<LoadResourceFn>(g_loadPatch->original())(module, resource);
}

BOOL WINAPI CountSearch(HMODULE module, ENUMRESTYPEPROCW callback, LONG_PTR parameter) {
    InterlockedIncrement(&g_counts.searches);
    return reinterpret_cast<EnumResourceTypesWFn>(g_searchPatch->original())(module, callback, parameter);
}

bool CountShowing(const NoticeModule& notices, const NoticeRecords& records, NoticeKind kind, LookupCounts* counts) {
    g_counts = LookupCounts{0, 0, 0};
    Showing showing;
    bool shown = MeasureShowing(WM_CLOSE, 0, [&] { ShowNotice(notices, records, kind); }, &showing);
    *counts = g_counts;
    return shown;
}

}  // namespace

std::vector<Figure> MeasureTextLookup(int repeats) {
    std::vector<Figure> figures;
    for (const StringModule& strings : kModules) figures.push_back(MeasureLookupIn(strings, repeats));
    return figures;
}

void PrintLookupCounts(const NoticeModule& notices, bool* complete) {
    g_findPatch =
        new ImportPatch(notices.module, "kernel32.dll", "FindResourceExW", reinterpret_cast<void*>(&CountFind));
    g_loadPatch = new ImportPatch(notices.module, "kernel32.dll", "LoadResource", reinterpret_cast<void*>(&CountLoad));
    g_searchPatch =
        new ImportPatch(notices.module, "kernel32.dll", "EnumResourceTypesW", reinterpret_cast<void*>(&CountSearch));
    if (!g_findPatch->valid() || !g_loadPatch->valid() || !g_searchPatch->valid()) {
        PrintNote("\nlook-ups per dialog: the DLL's resource imports were not found");
        *complete = false;
    } else {
        PrintNote(
            "\nResource look-ups per dialog initialisation: FindResourceExW calls / texts found"
            " (LoadResource calls) / fallback searches (EnumResourceTypesW calls)");
        printf("  %-18s", "notice");
        for (const StringModule& strings : kModules) printf("  %-34s", strings.description);
        printf("\n");
        LONG mostSearches[3] = {0, 0, 0};
        for (int kind = 0; kind < kNoticeCount; ++kind) {
            printf("  %-18s", InfoOf(static_cast<NoticeKind>(kind)).name);
            for (int m = 0; m < 3; ++m) {
                NoticeRecords records;
                MakeNoticeRecords(kModules[m].file, &records);
                LookupCounts counts;
                if (!CountShowing(notices, records, static_cast<NoticeKind>(kind), &counts)) {
                    printf("  %-34s", "(not shown)");
                    *complete = false;
                    continue;
                }
                char cell[40];
                snprintf(cell, sizeof(cell), "%ld / %ld / %ld", counts.finds, counts.loads, counts.searches);
                printf("  %-34s", cell);
                if (counts.searches > mostSearches[m]) mostSearches[m] = counts.searches;
            }
            printf("\n");
        }
        printf("  %-18s", "most searches");
        for (int m = 0; m < 3; ++m) {
            char cell[40];
            snprintf(cell, sizeof(cell), "%ld per dialog (goal 1: %s)", mostSearches[m],
                     mostSearches[m] <= 1 ? "met" : "MISSED");
            printf("  %-34s", cell);
        }
        printf("\n");
        fflush(stdout);
    }
    delete g_searchPatch;
    delete g_loadPatch;
    delete g_findPatch;
}
