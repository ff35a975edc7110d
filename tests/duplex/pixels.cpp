#include "duplex/pixels.h"

namespace {

BITMAPINFO TopDown32(LONG width, LONG height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void DropAlpha(Pixels* pixels) {
    for (DWORD& value : pixels->values) value &= 0x00FFFFFF;
}

}  // namespace

Pixels ScreenPixels(const RECT& rect) {
    Pixels pixels;
    LONG width = rect.right - rect.left;
    LONG height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return pixels;

    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory != nullptr && section != nullptr) {
        HGDIOBJ previous = SelectObject(memory, section);
        if (BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
            GdiFlush();
            const DWORD* values = static_cast<const DWORD*>(bits);
            pixels.width = width;
            pixels.height = height;
            pixels.values.assign(values, values + width * height);
        }
        SelectObject(memory, previous);
    }
    if (section != nullptr) DeleteObject(section);
    if (memory != nullptr) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DropAlpha(&pixels);
    return pixels;
}

Pixels BitmapPixels(HMODULE module, WORD id) {
    Pixels pixels;
    HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id));
    if (bitmap == nullptr) return pixels;
    BITMAP description = {};
    GetObjectW(bitmap, sizeof(description), &description);
    BITMAPINFO info = TopDown32(description.bmWidth, description.bmHeight);
    std::vector<DWORD> values(static_cast<size_t>(description.bmWidth) * description.bmHeight);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, description.bmHeight, values.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    if (rows != description.bmHeight) return pixels;
    pixels.width = description.bmWidth;
    pixels.height = description.bmHeight;
    pixels.values.swap(values);
    DropAlpha(&pixels);
    return pixels;
}
