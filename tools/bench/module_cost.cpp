#include "module_cost.h"

#include <windows.h>

#include "notices.h"
#include "pe_sizes.h"

namespace {

const int kLoadsPerRun = 20;

double MsPerLoadAndUnload(const std::wstring& path) {
    double start = NowMs();
    for (int i = 0; i < kLoadsPerRun; ++i) {
        HMODULE module = LoadLibraryW(path.c_str());
        if (module == 0) return -1;
        FreeLibrary(module);
    }
    return (NowMs() - start) / kLoadsPerRun;
}

Figure SizeFigure(const char* name, double value, double baseline, Goal goal = Goal{kNoGoal, 0}) {
    Figure figure = MakeFigure(name, "KB", "empty DLL, same toolchain", goal);
    figure.values.push_back(value / 1024);
    figure.baselines.push_back(baseline / 1024);
    return figure;
}

}  // namespace

Figure MeasureLoadAndUnload(int repeats) {
    Figure figure = MakeFigure("LoadLibraryW + FreeLibrary", "ms", "the same for the empty DLL");
    std::wstring dll = BinPath(L"evdlgx42.dll");
    std::wstring empty = BinPath(L"empty_module.dll");
    MsPerLoadAndUnload(dll);
    MsPerLoadAndUnload(empty);
    for (int run = 0; run < repeats && !figure.failed; ++run) {
        double own = MsPerLoadAndUnload(dll);
        double baseline = MsPerLoadAndUnload(empty);
        figure.failed = own < 0 || baseline < 0;
        figure.values.push_back(own);
        figure.baselines.push_back(baseline);
    }
    return figure;
}

std::vector<Figure> MeasureModuleSizes() {
    std::vector<Figure> figures;
    std::wstring dll = BinPath(L"evdlgx42.dll");
    SectionSizes own = SizesOf(dll);
    SectionSizes empty = SizesOf(BinPath(L"empty_module.dll"));
    if (!own.read || !empty.read) {
        Figure figure = MakeFigure("DLL sections", "KB", "empty DLL");
        figure.failed = true;
        figures.push_back(figure);
        return figures;
    }
    figures.push_back(SizeFigure("code sections", own.code, empty.code));
    figures.push_back(SizeFigure("image without resources", own.image, empty.image));
    figures.push_back(SizeFigure("resources (of them pictures below)", own.resources, empty.resources));
    figures.push_back(SizeFigure("step pictures (bitmap resources)", own.pictures, empty.pictures));
    figures.push_back(SizeFigure("DLL file less the pictures", own.file - own.pictures, empty.image + empty.resources,
                                 Goal{kValueAtMost, 150}));
    return figures;
}
