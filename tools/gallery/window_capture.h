#pragma once

#include <windows.h>

#include "png_file.h"

// The window as it is on the screen, frame and caption included. False when
// it has no size or its pixels cannot be read.
bool CaptureWindow(HWND window, RgbImage* image);
