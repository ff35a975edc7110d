#pragma once

#include <vector>

#include "bench_table.h"
#include "notices.h"

// Peak working set of a bench process that shows one notice against one that
// shows MessageBoxW with as many characters of text. The processes are this
// program started again with --child.
std::vector<Figure> MeasurePeakWorkingSet(const NoticeModule& notices, const NoticeRecords& records, int repeats);

// The --child part: shows the notice (a NoticeKind) or, for kNoticeCount, a
// MessageBoxW of characters characters; the process's exit code is its peak
// working set in KB, 0 when nothing was shown.
int RunWorkingSetChild(int kind, int characters);
