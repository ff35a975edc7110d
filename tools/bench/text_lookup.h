#pragma once

#include <vector>

#include "bench_table.h"
#include "notices.h"

// Time per text of the module's own lookup (BLoadText of a TextContext, from
// the module's objects linked into the bench) against the platform's
// LoadStringW on the same module and identifiers.
std::vector<Figure> MeasureTextLookup(int repeats);

// How many string-table look-ups (FindResourceExW calls of the DLL), texts
// found (its LoadResource calls) and fallback searches (its
// EnumResourceTypesW calls) one showing of each notice makes, with string
// modules in three languages; printed as a table of its own. complete is
// cleared when a showing could not be measured.
void PrintLookupCounts(const NoticeModule& notices, bool* complete);
