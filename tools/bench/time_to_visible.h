#pragma once

#include <vector>

#include "bench_table.h"
#include "notices.h"

// Time from the entry's call to the end of each notice's first complete
// paint, against three dialogs of the platform: MessageBoxW with as many
// characters of text as the notice shows, an empty dialog of the notice's
// size, and the notice's own template under a dialog procedure that does
// nothing (the platform's share of the notice: its controls, created and
// painted without texts). A baseline runs on a thread of its own when the
// notice does. Also prints where the time goes. complete is cleared when a
// showing could not be measured.
std::vector<Figure> MeasureTimeToVisible(const NoticeModule& notices, const NoticeRecords& records, int repeats,
                                         bool* complete);

// Shows MessageBoxW with characters characters of text on the calling thread.
void ShowMessageBoxOf(int characters);
