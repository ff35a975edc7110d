#include "fit_check.h"

namespace {

const UINT kAnswerMs = 2000;
// Push buttons draw a 2-pixel edge and a focus rectangle inside it.
const int kPushButtonMarginX = 3;
const int kPushButtonMarginY = 2;
const int kGroupBoxInset = 8;

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_BLOCK | SMTO_ABORTIFHUNG, kAnswerMs, result) !=
           0;
}

bool TextOf(HWND window, std::wstring* text) {
    DWORD_PTR length = 0;
    if (!Ask(window, WM_GETTEXTLENGTH, 0, 0, &length)) return false;
    std::wstring buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!Ask(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]), &copied)) return false;
    text->assign(buffer.c_str(), copied < length ? copied : length);
    return true;
}

HFONT FontOf(HWND window) {
    DWORD_PTR font = 0;
    if (Ask(window, WM_GETFONT, 0, 0, &font) && font != 0) return reinterpret_cast<HFONT>(font);
    return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// A screen-compatible device context with one font selected for measuring.
class Measure {
public:
    explicit Measure(HFONT font) : dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_, font)) {
        GetTextMetricsW(dc_, &metrics_);
    }
    ~Measure() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;

    SIZE OneLine(const std::wstring& text, UINT flags) const {
        RECT r = {0, 0, 0, 0};
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT | DT_SINGLELINE);
        SIZE s = {r.right - r.left, r.bottom - r.top};
        return s;
    }
    SIZE Wrapped(const std::wstring& text, int width, UINT flags) const {
        RECT r = {0, 0, width, 0};
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r,
                  flags | DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        SIZE s = {r.right - r.left, r.bottom - r.top};
        return s;
    }
    int LineHeight() const { return metrics_.tmHeight; }
    int AverageCharWidth() const { return metrics_.tmAveCharWidth; }

private:
    HDC dc_;
    HGDIOBJ previous_;
    TEXTMETRICW metrics_;
};

std::wstring Pixels(int needed, int available, const wchar_t* dimension) {
    return std::wstring(L"needs ") + std::to_wstring(needed) + L" px " + dimension + L", has " +
           std::to_wstring(available);
}

class FitCheck {
public:
    std::vector<FitFinding> findings;

    void Control(HWND control) {
        std::wstring text;
        if (!IsWindowVisible(control) || !TextOf(control, &text) || text.empty()) return;
        wchar_t className[32] = L"";
        GetClassNameW(control, className, 32);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        RECT client;
        GetClientRect(control, &client);
        Measure measure(FontOf(control));
        const std::wstring id = std::to_wstring(GetDlgCtrlID(control));
        if (lstrcmpiW(className, L"Static") == 0) {
            Static(id, text, style, client, measure);
        } else if (lstrcmpiW(className, L"Button") == 0) {
            Button(id, text, style, client, measure);
        } else if (lstrcmpiW(className, L"Edit") == 0) {
            Edit(control, id, text, style, client, measure);
        }
    }

    void Caption(HWND window) {
        std::wstring text;
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        if ((style & WS_CAPTION) != WS_CAPTION || !TextOf(window, &text) || text.empty()) return;
        NONCLIENTMETRICSW metrics;
        metrics.cbSize = sizeof(metrics);
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
        HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
        if (font == nullptr) return;
        RECT frame;
        GetWindowRect(window, &frame);
        int buttons = 1;  // the close box
        if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) ++buttons;
        if (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) buttons += 2;
        const int border = GetSystemMetrics(SM_CXDLGFRAME) * 2;
        const int available = (frame.right - frame.left) - border - buttons * metrics.iCaptionWidth - 4;
        {
            Measure measure(font);
            SIZE needed = measure.OneLine(text, DT_NOPREFIX);
            if (needed.cx > available) Add(L"caption", L"caption", text, Pixels(needed.cx, available, L"wide"));
        }
        DeleteObject(font);
    }

private:
    void Add(const std::wstring& control, const wchar_t* kind, const std::wstring& text, const std::wstring& problem) {
        findings.push_back({control, kind, text, problem});
    }

    void Static(const std::wstring& id, const std::wstring& text, LONG style, const RECT& client,
                const Measure& measure) {
        const LONG type = style & SS_TYPEMASK;
        const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) {
            SIZE needed = measure.OneLine(text, prefix);
            if (needed.cx > client.right) Add(id, L"static", text, Pixels(needed.cx, client.right, L"wide"));
            return;
        }
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT) return;
        SIZE needed = measure.Wrapped(text, client.right, prefix);
        if (needed.cx > client.right) {
            Add(id, L"static", text, L"a word is cut: " + Pixels(needed.cx, client.right, L"wide"));
        }
        if (needed.cy > client.bottom) {
            const int lines = needed.cy / measure.LineHeight(), room = client.bottom / measure.LineHeight();
            Add(id, L"static", text,
                L"wraps past its control: " + std::to_wstring(lines) + L" lines, room for " + std::to_wstring(room) +
                    L" (" + Pixels(needed.cy, client.bottom, L"high") + L")");
        }
    }

    void Button(const std::wstring& id, const std::wstring& text, LONG style, const RECT& client,
                const Measure& measure) {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            const int width = client.right - 2 * kPushButtonMarginX, height = client.bottom - 2 * kPushButtonMarginY;
            SIZE needed = (style & BS_MULTILINE) ? measure.Wrapped(text, width, 0) : measure.OneLine(text, 0);
            if (needed.cx > width) Add(id, L"button", text, L"cut: " + Pixels(needed.cx, width, L"wide"));
            if (needed.cy > height) Add(id, L"button", text, L"cut: " + Pixels(needed.cy, height, L"high"));
        } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                   type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE) {
            // The box and the gap before the text.
            const int box = GetSystemMetrics(SM_CXMENUCHECK) + measure.AverageCharWidth() / 2;
            const int width = client.right - box;
            SIZE needed = (style & BS_MULTILINE) ? measure.Wrapped(text, width, 0) : measure.OneLine(text, 0);
            if (needed.cx > width) Add(id, L"check box", text, L"cut: " + Pixels(needed.cx, width, L"wide"));
            if (needed.cy > client.bottom) {
                Add(id, L"check box", text, L"cut: " + Pixels(needed.cy, client.bottom, L"high"));
            }
        } else if (type == BS_GROUPBOX) {
            const int width = client.right - 2 * kGroupBoxInset;
            SIZE needed = measure.OneLine(text, 0);
            if (needed.cx > width) Add(id, L"group box", text, L"cut: " + Pixels(needed.cx, width, L"wide"));
        }
    }

    void Edit(HWND control, const std::wstring& id, const std::wstring& text, LONG style, const RECT& client,
              const Measure& measure) {
        DWORD_PTR margins = 0;
        Ask(control, EM_GETMARGINS, 0, 0, &margins);
        const int width = client.right - LOWORD(margins) - HIWORD(margins);
        if (style & ES_MULTILINE) {
            SIZE needed = measure.Wrapped(text, width, DT_NOPREFIX | DT_EDITCONTROL);
            if (needed.cy > client.bottom) {
                Add(id, L"edit", text, L"wraps past its control: " + Pixels(needed.cy, client.bottom, L"high"));
            }
            return;
        }
        SIZE needed = measure.OneLine(text, DT_NOPREFIX);
        if (needed.cx > width) Add(id, L"edit", text, L"cut: " + Pixels(needed.cx, width, L"wide"));
        if (needed.cy > client.bottom) Add(id, L"edit", text, L"cut: " + Pixels(needed.cy, client.bottom, L"high"));
    }
};

BOOL CALLBACK CheckChild(HWND child, LPARAM param) {
    reinterpret_cast<FitCheck*>(param)->Control(child);
    return TRUE;
}

}  // namespace

std::vector<FitFinding> CheckTextFit(HWND window) {
    FitCheck check;
    check.Caption(window);
    EnumChildWindows(window, CheckChild, reinterpret_cast<LPARAM>(&check));
    return check.findings;
}
