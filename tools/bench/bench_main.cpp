// evdlg_bench [--repeats N]: how fast the notices of evdlgx42.dll reach the
// screen, what their texts and the module cost, each figure against a
// baseline measured in the same run, with the spread over N runs (11 when
// not given). Run it through tools/run-bench, or on Windows from a directory
// holding the build's bin/ files. Exits with 1 when a figure could not be
// measured.

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "bench_table.h"
#include "module_cost.h"
#include "notices.h"
#include "paint_watch.h"
#include "round_trip.h"
#include "text_lookup.h"
#include "time_to_visible.h"
#include "working_set.h"

namespace {

const int kDefaultRepeats = 11;

bool AllMeasured(const std::vector<Figure>& figures) {
    for (const Figure& figure : figures) {
        if (figure.failed) return false;
    }
    return true;
}

void PrintSetting(int repeats) {
    OSVERSIONINFOW version;
    memset(&version, 0, sizeof(version));
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExW(&version);
    PrintNote("evdlg_bench: %d runs after a warm-up round; platform %lu.%lu, interface language 0x%04X", repeats,
              version.dwMajorVersion, version.dwMinorVersion, GetUserDefaultUILanguage());
    if (GetUserDefaultUILanguage() != 0x0409) {
        PrintNote("(the look-up figures assume the interface language 0x0409, English (United States))");
    }
}

int RunBench(int repeats) {
    PrintSetting(repeats);
    bool complete = true;
    // Before the DLL is loaded for the rest of the run.
    std::vector<Figure> moduleCost;
    moduleCost.push_back(MeasureLoadAndUnload(repeats));
    std::vector<Figure> sizes = MeasureModuleSizes();
    moduleCost.insert(moduleCost.end(), sizes.begin(), sizes.end());

    NoticeModule notices;
    if (!LoadNoticeModule(&notices)) {
        PrintNote("evdlgx42.dll or one of its entries was not found beside the bench");
        return 1;
    }
    HMODULE watched[] = {notices.module, GetModuleHandleW(L"winspool.drv")};
    if (!InstallPaintWatch(watched, watched[1] != 0 ? 2 : 1))
        PrintNote("(a module's CreateThread import was not found)");
    NoticeRecords records;
    MakeNoticeRecords(L"bench_strings_us.dll", &records);

    std::vector<Figure> visible = MeasureTimeToVisible(notices, records, repeats, &complete);
    PrintFigures("Time to visible: entry call to the end of the first complete paint", visible);

    std::vector<Figure> lookups = MeasureTextLookup(repeats);
    PrintFigures("Text lookup: time per text", lookups);
    PrintLookupCounts(notices, &complete);

    std::vector<Figure> roundTrip = MeasureRoundTrip(notices, records, repeats);
    PrintFigures("Cross-session round trip through the host double", roundTrip);

    std::vector<Figure> workingSet = MeasurePeakWorkingSet(notices, records, repeats);
    moduleCost.insert(moduleCost.end(), workingSet.begin(), workingSet.end());
    PrintFigures("Module cost: load and unload, sizes, peak working set of a process showing one notice", moduleCost);

    complete =
        complete && AllMeasured(visible) && AllMeasured(lookups) && AllMeasured(roundTrip) && AllMeasured(moduleCost);
    RemovePaintWatch();
    return complete ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && strcmp(argv[1], "--child") == 0) return RunWorkingSetChild(atoi(argv[2]), atoi(argv[3]));
    int repeats = kDefaultRepeats;
    if (argc == 3 && strcmp(argv[1], "--repeats") == 0) repeats = atoi(argv[2]);
    if (repeats < 1 || (argc != 1 && argc != 3)) {
        fprintf(stderr, "usage: evdlg_bench [--repeats N]   (N >= 1)\n");
        return 2;
    }
    return RunBench(repeats);
}
