#pragma once

#include <vector>

#include "bench_table.h"
#include "notices.h"

// The warning sent across sessions through the host double (the test tree's
// winspool.drv beside the bench, loaded through WINEDLLOVERRIDES): time from
// the sender's call to its return, less the 50 ms pause the sender makes
// after the answer, against a direct call of the receiving entry that the
// host calls: on the calling thread, and on a thread of its own as the host
// double calls it; and the transport alone, with the host answering at once
// without an entry, against the pause by itself. Every notice is closed at
// its first complete paint. No
// figures when the process's winspool.drv is not the host double (on
// Windows, unless the build's copy lies beside the bench).
std::vector<Figure> MeasureRoundTrip(const NoticeModule& notices, const NoticeRecords& records, int repeats);
