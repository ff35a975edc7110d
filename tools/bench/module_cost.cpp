#include "module_cost.h"

#include <psapi.h>
#include <stdio.h>
#include <string.h>

#include "paint_watch.h"
#include "time_to_visible.h"

namespace {

const int kLoadsPerRun = 20;
const DWORD kChildTimeoutMs = 60000;

double MsPerLoadAndUnload(const std::wstring& path) {
    double start = NowMs();
    for (int i = 0; i < kLoadsPerRun; ++i) {
        HMODULE module = LoadLibraryW(path.c_str());
        if (module == 0) return -1;
        FreeLibrary(module);
    }
    return (NowMs() - start) / kLoadsPerRun;
}

struct SectionSizes {
    bool read;
    double code;       // executable sections
    double image;      // headers and every section but resources and debug information
    double resources;
    double pictures;   // bitmap resources
};

std::vector<BYTE> ReadFileBytes(const std::wstring& path) {
    std::vector<BYTE> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING, 0, 0);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    DWORD size = GetFileSize(file, 0);
    DWORD read = 0;
    bytes.resize(size);
    if (!ReadFile(file, bytes.data(), size, &read, 0) || read != size) bytes.clear();
    CloseHandle(file);
    return bytes;
}

// Bounds-checked view of the file as the loader would map it.
class PeFile {
public:
    explicit PeFile(const std::vector<BYTE>& bytes) : bytes_(bytes), sections_(0), sectionCount_(0), nt_(0) {
        const IMAGE_DOS_HEADER* dos = At<IMAGE_DOS_HEADER>(0);
        if (dos == 0 || dos->e_magic != IMAGE_DOS_SIGNATURE) return;
        nt_ = At<IMAGE_NT_HEADERS32>(dos->e_lfanew);
        if (nt_ == 0 || nt_->Signature != IMAGE_NT_SIGNATURE) {
            nt_ = 0;
            return;
        }
        sectionCount_ = nt_->FileHeader.NumberOfSections;
        DWORD first = dos->e_lfanew + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) + nt_->FileHeader.SizeOfOptionalHeader;
        sections_ = At<IMAGE_SECTION_HEADER>(first, sectionCount_);
        if (sections_ == 0) nt_ = 0;
    }

    bool valid() const { return nt_ != 0; }
    const IMAGE_NT_HEADERS32& nt() const { return *nt_; }
    int sectionCount() const { return sectionCount_; }
    const IMAGE_SECTION_HEADER& section(int i) const { return sections_[i]; }

    template <typename T>
    const T* At(DWORD offset, DWORD count = 1) const {
        if (offset > bytes_.size() || (bytes_.size() - offset) / sizeof(T) < count) return 0;
        return reinterpret_cast<const T*>(bytes_.data() + offset);
    }

    // File offset of an address inside the image, or 0 outside every section.
    DWORD OffsetOf(DWORD rva) const {
        for (int i = 0; i < sectionCount_; ++i) {
            const IMAGE_SECTION_HEADER& s = sections_[i];
            if (rva >= s.VirtualAddress && rva - s.VirtualAddress < s.SizeOfRawData) {
                return s.PointerToRawData + (rva - s.VirtualAddress);
            }
        }
        return 0;
    }

private:
    const std::vector<BYTE>& bytes_;
    const IMAGE_SECTION_HEADER* sections_;
    int sectionCount_;
    const IMAGE_NT_HEADERS32* nt_;
};

const IMAGE_RESOURCE_DIRECTORY_ENTRY* DirectoryEntries(const PeFile& pe, DWORD offset, DWORD* count) {
    const IMAGE_RESOURCE_DIRECTORY* directory = pe.At<IMAGE_RESOURCE_DIRECTORY>(offset);
    if (directory == 0) return 0;
    *count = directory->NumberOfNamedEntries + directory->NumberOfIdEntries;
    return pe.At<IMAGE_RESOURCE_DIRECTORY_ENTRY>(offset + sizeof(IMAGE_RESOURCE_DIRECTORY), *count);
}

// Bytes of the resources under one directory entry (names, then languages).
double ResourceBytes(const PeFile& pe, DWORD root, const IMAGE_RESOURCE_DIRECTORY_ENTRY& entry, int depth) {
    if (!entry.DataIsDirectory) {
        const IMAGE_RESOURCE_DATA_ENTRY* data = pe.At<IMAGE_RESOURCE_DATA_ENTRY>(root + entry.OffsetToData);
        return data != 0 ? data->Size : 0;
    }
    DWORD count = 0;
    const IMAGE_RESOURCE_DIRECTORY_ENTRY* entries = DirectoryEntries(pe, root + entry.OffsetToDirectory, &count);
    double total = 0;
    for (DWORD i = 0; entries != 0 && i < count && depth < 3; ++i) total += ResourceBytes(pe, root, entries[i], depth + 1);
    return total;
}

double BitmapBytes(const PeFile& pe) {
    const IMAGE_DATA_DIRECTORY& resources = pe.nt().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE];
    DWORD root = resources.VirtualAddress ? pe.OffsetOf(resources.VirtualAddress) : 0;
    if (root == 0) return 0;
    DWORD count = 0;
    const IMAGE_RESOURCE_DIRECTORY_ENTRY* types = DirectoryEntries(pe, root, &count);
    for (DWORD i = 0; types != 0 && i < count; ++i) {
        if (!types[i].NameIsString && types[i].Id == reinterpret_cast<ULONG_PTR>(RT_BITMAP)) {
            return ResourceBytes(pe, root, types[i], 1);
        }
    }
    return 0;
}

SectionSizes SizesOf(const std::wstring& path) {
    SectionSizes sizes = {false, 0, 0, 0, 0};
    std::vector<BYTE> bytes = ReadFileBytes(path);
    PeFile pe(bytes);
    if (!pe.valid()) return sizes;
    sizes.read = true;
    sizes.image = pe.nt().OptionalHeader.SizeOfHeaders;
    for (int i = 0; i < pe.sectionCount(); ++i) {
        const IMAGE_SECTION_HEADER& s = pe.section(i);
        char name[9] = {0};
        memcpy(name, s.Name, 8);
        // mingw keeps long section names (debug information) in the string table: "/4".
        if (name[0] == '/' || strncmp(name, ".debug", 6) == 0) continue;
        if (strcmp(name, ".rsrc") == 0) {
            sizes.resources += s.SizeOfRawData;
            continue;
        }
        sizes.image += s.SizeOfRawData;
        if (s.Characteristics & IMAGE_SCN_CNT_CODE) sizes.code += s.SizeOfRawData;
    }
    sizes.pictures = BitmapBytes(pe);
    return sizes;
}

Figure SizeFigure(const char* name, double value, double baseline, Goal goal = Goal{kNoGoal, 0}) {
    Figure figure = MakeFigure(name, "KB", "empty DLL, same toolchain", goal);
    figure.values.push_back(value / 1024);
    figure.baselines.push_back(baseline / 1024);
    return figure;
}

DWORD RunChild(int kind, int characters) {
    wchar_t self[MAX_PATH] = {0};
    GetModuleFileNameW(0, self, MAX_PATH);
    wchar_t commandLine[MAX_PATH + 64];
    _snwprintf(commandLine, MAX_PATH + 64, L"\"%ls\" --child %d %d", self, kind, characters);
    commandLine[MAX_PATH + 63] = 0;
    STARTUPINFOW startup;
    memset(&startup, 0, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    if (!CreateProcessW(self, commandLine, 0, 0, FALSE, 0, 0, 0, &startup, &process)) return 0;
    DWORD peakKb = 0;
    if (WaitForSingleObject(process.hProcess, kChildTimeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &peakKb);
    } else {
        TerminateProcess(process.hProcess, 0);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return peakKb;
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
    std::vector<BYTE> file = ReadFileBytes(dll);
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
    figures.push_back(SizeFigure("DLL file less the pictures", static_cast<double>(file.size()) - own.pictures,
                                 empty.image + empty.resources, Goal{kValueAtMost, 150}));
    return figures;
}

std::vector<Figure> MeasurePeakWorkingSet(const NoticeModule& notices, const NoticeRecords& records, int repeats) {
    std::vector<Figure> figures;
    for (int kind = 0; kind < kNoticeCount; ++kind) {
        Figure figure = MakeFigure(InfoOf(static_cast<NoticeKind>(kind)).name, "KB", "process showing MessageBoxW");
        Showing showing;
        figure.failed = !MeasureShowing(WM_CLOSE, 0, [&] { ShowNotice(notices, records, static_cast<NoticeKind>(kind)); },
                                        &showing);
        for (int run = 0; run < repeats && !figure.failed; ++run) {
            DWORD notice = RunChild(kind, 0);
            DWORD messageBox = RunChild(kNoticeCount, showing.painted.textCharacters);
            figure.failed = notice == 0 || messageBox == 0;
            figure.values.push_back(notice);
            figure.baselines.push_back(messageBox);
        }
        figures.push_back(figure);
    }
    return figures;
}

int RunWorkingSetChild(int kind, int characters) {
    NoticeModule notices = {0, 0, 0, 0, 0};
    NoticeRecords records;
    bool notice = kind >= 0 && kind < kNoticeCount;
    if (notice && !LoadNoticeModule(&notices)) return 0;
    HMODULE watched[] = {notices.module};
    InstallPaintWatch(watched, notice ? 1 : 0);
    MakeNoticeRecords(L"bench_strings_us.dll", &records);
    Showing showing;
    bool shown = notice ? MeasureShowing(WM_CLOSE, 0, [&] { ShowNotice(notices, records, static_cast<NoticeKind>(kind)); },
                                         &showing)
                        : MeasureShowing(WM_COMMAND, IDOK, [&] { ShowMessageBoxOf(characters); }, &showing);
    PROCESS_MEMORY_COUNTERS counters;
    memset(&counters, 0, sizeof(counters));
    counters.cb = sizeof(counters);
    if (!shown || !GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) return 0;
    return static_cast<int>(counters.PeakWorkingSetSize / 1024);
}
