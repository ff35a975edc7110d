#pragma once

// What a leak would make grow: the process's kernel handles, GDI and USER
// objects, threads, and the blocks in use on its heaps.

#include <windows.h>

#include <string>

struct ProcessFigures {
    DWORD handles;
    DWORD gdiObjects;
    DWORD userObjects;
    DWORD threads;
    SIZE_T heapBytes;  // busy blocks of every heap of GetProcessHeaps
    DWORD heapBlocks;
    SIZE_T crtBytes;   // the C runtime's heap as its _heapwalk sees it
    DWORD crtBlocks;
};

// A baseline measurement also keeps the list of live GDI objects (where they
// are probed) for NewGdiObjects; every measurement lists them without
// allocating, so that listing them does not show on the heap.
ProcessFigures MeasureProcess(bool baseline = false);

// How each figure was taken here (the platform's counters, or a count of the
// live objects where the platform's counter is not implemented).
std::wstring FigureSources();

// Names of the figures that are larger in after than in before; empty when
// none grew.
std::wstring GrownFigures(const ProcessFigures& before, const ProcessFigures& after);

// The kinds of the GDI objects live at the last measurement that were not at
// the last baseline (where the GDI table is probed), as "font 2, dc 1".
std::wstring NewGdiObjects();

// One line: every figure.
std::wstring FigureLine(const ProcessFigures& figures);

// One line: every figure as "before -> after".
std::wstring FigureChanges(const ProcessFigures& before, const ProcessFigures& after);
