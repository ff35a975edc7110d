#pragma once

#include <vector>

#include "bench_table.h"
#include "notices.h"

// LoadLibraryW and FreeLibrary of evdlgx42.dll against the same for an empty
// DLL of the same toolchain. Must run before the bench loads the DLL for good.
Figure MeasureLoadAndUnload(int repeats);

// The DLL's sections from its file: code, everything but resources, and the
// step pictures among the resources, against the empty DLL.
std::vector<Figure> MeasureModuleSizes();

// Peak working set of a bench process that shows one notice against one that
// shows MessageBoxW with as many characters of text. The processes are this
// program started again with --child.
std::vector<Figure> MeasurePeakWorkingSet(const NoticeModule& notices, const NoticeRecords& records, int repeats);

// The --child part: shows the notice (a NoticeKind) or, for kNoticeCount, a
// MessageBoxW of characters characters; the process's exit code is its peak
// working set in KB, 0 when nothing was shown.
int RunWorkingSetChild(int kind, int characters);
