#include "process_figures.h"

#include <malloc.h>
#include <string.h>
#include <stdio.h>

#include <vector>

#include "support/dialog_driver.h"

namespace {

// Handle values are multiples of 4; past this many invalid values in a row no
// handle of the process lies any higher.
const DWORD kHandleProbeGap = 2048;
// GDI and USER handles carry a 16-bit table index in their low word.
const DWORD kFirstTableIndex = 0x20;
const DWORD kTableIndexEnd = 0x10000;

enum Source { kPlatform, kProbe };
Source g_handleSource = kPlatform;
Source g_gdiSource = kPlatform;
Source g_userSource = kPlatform;

// Every value a handle of this process can have, asked whether it is one.
DWORD ProbeKernelHandles() {
    DWORD count = 0;
    DWORD misses = 0;
    for (ULONG_PTR value = 4; misses < kHandleProbeGap; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
            misses = 0;
        } else {
            ++misses;
        }
    }
    return count;
}

DWORD KernelHandles() {
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) return count;
    g_handleSource = kProbe;  // Wine reports 0
    return ProbeKernelHandles();
}

// Kind of each GDI table index at the last baseline and at the last measurement.
BYTE g_baselineKinds[kTableIndexEnd];
BYTE g_lastKinds[kTableIndexEnd];

// Wine's GDI table answers for an index given without its generation bits.
DWORD ProbeGdiObjects() {
    DWORD count = 0;
    for (DWORD index = kFirstTableIndex; index < kTableIndexEnd; ++index) {
        const DWORD kind = GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(index)));
        g_lastKinds[index] = static_cast<BYTE>(kind);
        if (kind != 0) ++count;
    }
    return count;
}

// Windows and menus of this process, found the same way in the USER table.
DWORD ProbeUserObjects() {
    const DWORD self = GetCurrentProcessId();
    DWORD count = 0;
    for (DWORD index = kFirstTableIndex; index < kTableIndexEnd; index += 2) {
        HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(index));
        DWORD process = 0;
        if (IsWindow(window) && GetWindowThreadProcessId(window, &process) && process == self) ++count;
        if (IsMenu(reinterpret_cast<HMENU>(window))) ++count;
    }
    return count;
}

// A process that has loaded user32 holds GDI objects of its own: a count of 0
// means the counter is not implemented (Wine).
bool BGuiCountersWork() {
    static const bool work = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) != 0;
    return work;
}

DWORD GuiObjects(DWORD kind, Source* source, DWORD (*probe)()) {
    if (BGuiCountersWork()) return GetGuiResources(GetCurrentProcess(), kind);
    *source = kProbe;
    return probe();
}

void BusyHeapBlocks(SIZE_T* bytes, DWORD* blocks) {
    *bytes = 0;
    *blocks = 0;
    std::vector<HANDLE> heaps(GetProcessHeaps(0, 0) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        PROCESS_HEAP_ENTRY entry;
        entry.lpData = 0;
        while (HeapWalk(heap, &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) == 0) continue;
            *bytes += entry.cbData;
            ++*blocks;
        }
        HeapUnlock(heap);
    }
}

void CrtHeapBlocks(SIZE_T* bytes, DWORD* blocks) {
    *bytes = 0;
    *blocks = 0;
    _HEAPINFO info;
    info._pentry = 0;
    while (_heapwalk(&info) == _HEAPOK) {
        if (info._useflag != _USEDENTRY) continue;
        *bytes += info._size;
        ++*blocks;
    }
}

const wchar_t* Describe(Source source, const wchar_t* platform, const wchar_t* probe) {
    return source == kPlatform ? platform : probe;
}

}  // namespace

ProcessFigures MeasureProcess(bool baseline) {
    ProcessFigures figures;
    figures.handles = KernelHandles();
    figures.gdiObjects = GuiObjects(GR_GDIOBJECTS, &g_gdiSource, ProbeGdiObjects);
    if (baseline) memcpy(g_baselineKinds, g_lastKinds, sizeof(g_lastKinds));
    figures.userObjects = GuiObjects(GR_USEROBJECTS, &g_userSource, ProbeUserObjects);
    figures.threads = static_cast<DWORD>(CountProcessThreads());
    BusyHeapBlocks(&figures.heapBytes, &figures.heapBlocks);
    CrtHeapBlocks(&figures.crtBytes, &figures.crtBlocks);
    return figures;
}

std::wstring FigureSources() {
    std::wstring text;
    text += Describe(g_handleSource, L"handles: GetProcessHandleCount",
                     L"handles: GetProcessHandleCount reports 0 here, so every handle value was probed with "
                     L"GetHandleInformation");
    text += L"\n";
    text += Describe(g_gdiSource, L"gdi: GetGuiResources(GR_GDIOBJECTS)",
                     L"gdi: GetGuiResources is not implemented here, so every GDI table index was probed with "
                     L"GetObjectType");
    text += L"\n";
    text += Describe(g_userSource, L"user: GetGuiResources(GR_USEROBJECTS)",
                     L"user: GetGuiResources is not implemented here, so every USER table index was probed "
                     L"(windows of this process with IsWindow, menus with IsMenu)");
    text += L"\nthreads: Toolhelp thread snapshot\nheap: HeapWalk over GetProcessHeaps, busy blocks\n"
            L"crt: the C runtime's _heapwalk, used entries";
    return text;
}

std::wstring GrownFigures(const ProcessFigures& before, const ProcessFigures& after) {
    std::wstring grown;
    struct Pair {
        const wchar_t* name;
        unsigned long long before;
        unsigned long long after;
    };
    const Pair pairs[] = {
        {L"handles", before.handles, after.handles},         {L"gdi", before.gdiObjects, after.gdiObjects},
        {L"user", before.userObjects, after.userObjects},    {L"threads", before.threads, after.threads},
        {L"heap bytes", before.heapBytes, after.heapBytes},  {L"heap blocks", before.heapBlocks, after.heapBlocks},
        {L"crt bytes", before.crtBytes, after.crtBytes},     {L"crt blocks", before.crtBlocks, after.crtBlocks},
    };
    for (const Pair& pair : pairs) {
        if (pair.after <= pair.before) continue;
        if (!grown.empty()) grown += L", ";
        grown += pair.name;
    }
    return grown;
}

std::wstring FigureChanges(const ProcessFigures& before, const ProcessFigures& after) {
    wchar_t line[512];
    swprintf(line, 512,
             L"handles %lu->%lu  gdi %lu->%lu  user %lu->%lu  threads %lu->%lu  heap %lu->%lu B (%lu->%lu blocks)"
             L"  crt %lu->%lu B (%lu->%lu blocks)",
             before.handles, after.handles, before.gdiObjects, after.gdiObjects, before.userObjects, after.userObjects,
             before.threads, after.threads, static_cast<unsigned long>(before.heapBytes),
             static_cast<unsigned long>(after.heapBytes), before.heapBlocks, after.heapBlocks,
             static_cast<unsigned long>(before.crtBytes), static_cast<unsigned long>(after.crtBytes),
             before.crtBlocks, after.crtBlocks);
    return line;
}

std::wstring FigureLine(const ProcessFigures& f) {
    wchar_t line[256];
    swprintf(line, 256, L"handles %lu  gdi %lu  user %lu  threads %lu  heap %lu B (%lu blocks)  crt %lu B (%lu blocks)",
             f.handles, f.gdiObjects, f.userObjects, f.threads, static_cast<unsigned long>(f.heapBytes), f.heapBlocks,
             static_cast<unsigned long>(f.crtBytes), f.crtBlocks);
    return line;
}

namespace {

// A new brush named by what it paints, and by the system colour whose brush
// it is when it is one: lazily made system brushes are the usual one-time
// objects of a first paint.
std::wstring BrushDescription(DWORD index) {
    HGDIOBJ brush = reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(index));
    LOGBRUSH logical = {};
    wchar_t text[96];
    if (GetObjectW(brush, sizeof(logical), &logical) != sizeof(logical)) return L"unreadable";
    swprintf(text, 96, L"style %u colour #%06lX", logical.lbStyle, static_cast<unsigned long>(logical.lbColor));
    std::wstring description = text;
    for (int colour = 0; colour <= COLOR_MENUBAR; ++colour) {
        const ULONG_PTR system = reinterpret_cast<ULONG_PTR>(GetSysColorBrush(colour));
        if ((system & 0xFFFF) == index) description += L", the system brush of colour " + std::to_wstring(colour);
    }
    return description;
}

}  // namespace

std::wstring NewGdiObjects() {
    static const wchar_t* const kKinds[] = {L"?",       L"pen",  L"brush",    L"dc",     L"metadc",
                                            L"palette", L"font", L"bitmap",   L"region", L"metafile",
                                            L"memdc",   L"extpen", L"enhmetadc", L"enhmetafile", L"colorspace"};
    const DWORD kinds = sizeof(kKinds) / sizeof(kKinds[0]);
    DWORD counts[kinds] = {0};
    for (DWORD index = kFirstTableIndex; index < kTableIndexEnd; ++index) {
        const BYTE kind = g_lastKinds[index];
        if (kind != 0 && kind != g_baselineKinds[index]) ++counts[kind < kinds ? kind : 0];
    }
    std::wstring text;
    for (DWORD kind = 0; kind < kinds; ++kind) {
        if (counts[kind] == 0) continue;
        if (!text.empty()) text += L", ";
        text += std::wstring(kKinds[kind]) + L" " + std::to_wstring(counts[kind]);
    }
    for (DWORD index = kFirstTableIndex; index < kTableIndexEnd; ++index) {
        if (g_lastKinds[index] != OBJ_BRUSH || g_baselineKinds[index] == OBJ_BRUSH) continue;
        text += L"; new brush: " + BrushDescription(index);
    }
    return text;
}
