#pragma once

#include <vector>

#include "bench_table.h"

// LoadLibraryW and FreeLibrary of evdlgx42.dll against the same for an empty
// DLL of the same toolchain. Must run before the bench loads the DLL for good.
Figure MeasureLoadAndUnload(int repeats);

// The DLL's sections from its file: code, everything but resources, and the
// step pictures among the resources, against the empty DLL.
std::vector<Figure> MeasureModuleSizes();
