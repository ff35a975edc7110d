#include "window_capture.h"

#include <string.h>

bool CaptureWindow(HWND window, RgbImage* image) {
    RECT frame;
    if (!GetWindowRect(window, &frame)) return false;
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0) return false;

    HDC source = GetWindowDC(window);
    if (source == nullptr) return false;
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info;
    memset(&info, 0, sizeof(info));
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = memory ? CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    bool copied = false;
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, previous);
    }
    if (copied) {
        const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
        image->width = width;
        image->height = height;
        image->pixels.resize(static_cast<size_t>(width) * height * 3);
        for (int y = 0; y < height; ++y) {
            const BYTE* row = static_cast<const BYTE*>(bits) + y * stride;
            BYTE* out = image->pixels.data() + static_cast<size_t>(y) * width * 3;
            for (int x = 0; x < width; ++x) {  // the bitmap holds blue, green, red
                out[x * 3] = row[x * 3 + 2];
                out[x * 3 + 1] = row[x * 3 + 1];
                out[x * 3 + 2] = row[x * 3];
            }
        }
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (memory != nullptr) DeleteDC(memory);
    ReleaseDC(window, source);
    return copied;
}
