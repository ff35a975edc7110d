#include "dialogs/duplex/duplex_dialog.h"

#include "unique_resource.h"

namespace {

// The frame's window rectangle in its own client coordinates, each corner
// converted on its own.
RECT FrameRect(HWND frame, const RECT& screen) {
    POINT topLeft = {screen.left, screen.top};
    POINT bottomRight = {screen.right, screen.bottom};
    ScreenToClient(frame, &topLeft);
    ScreenToClient(frame, &bottomRight);
    RECT rect = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    return rect;
}

}  // namespace

void DuplexDialog::VPaintStepPicture(HWND dialog, DWORD bitmapId, int frameId, HMODULE module) const {
    HWND frame = GetDlgItem(dialog, frameId);
    RECT screen;
    if (frame == 0 || !GetWindowRect(frame, &screen)) return;

    PAINTSTRUCT paint;
    HDC target = BeginPaint(frame, &paint);
    if (target == 0) return;
    RECT rect = FrameRect(frame, screen);
    if (context.fRightToLeft) {
        LONG left = rect.left;
        rect.left = rect.right;
        rect.right = left;
    }
    int width = context.fRightToLeft ? 2 * rect.right - rect.left : rect.right;
    int height = rect.bottom;

    UniqueMemoryDc memory(CreateCompatibleDC(target));
    UniqueGdiObject picture(LoadBitmapW(module, MAKEINTRESOURCEW(LOWORD(bitmapId))));
    // A module without the picture (or no module) leaves the frame empty
    // rather than filled from an empty memory bitmap.
    if (memory && picture) {
        HGDIOBJ previous = SelectObject(memory.get(), picture.get());
        BitBlt(target, rect.left, rect.top, width, height, memory.get(), rect.left, rect.top, SRCCOPY);
        SelectObject(memory.get(), previous);
    }
    EndPaint(frame, &paint);
}
