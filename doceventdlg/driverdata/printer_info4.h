#pragma once

#include <windows.h>
#include <winspool.h>

#include "unique_resource.h"

// The printer's level-4 information (its name) in a zero-filled local block,
// or an empty owner when the spooler reports a size of 0 or the block cannot
// be had. The second query's own result is not examined.
UniqueLocal AllocPrinterInfo4(HANDLE printer);
