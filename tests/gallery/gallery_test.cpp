// The gallery program run for one notice in one language, as tools/run-main
// runs it for all: the picture it keeps is a PNG of the notice's own size
// that shows the notice, and the strict fit check passes the sample texts
// but flags a string-resource module whose texts are too long.

#include <gtest/gtest.h>
#include <windows.h>
#include <wincodec.h>

#include <set>
#include <string>
#include <vector>

#include "gallery_results.h"
#include "support/test_paths.h"

namespace {

const DWORD kRunMs = 120000;
const wchar_t kNotice[] = L"warning-ok-cancel";
const int kWarningTemplate = 261;

// The gallery's exit code, or -1 when it did not end in time.
int RunGallery(const std::wstring& arguments) {
    std::wstring command = L"\"" + TestBinPath(L"evdlg_gallery.exe") + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start the gallery, error " << GetLastError();
        return -2;
    }
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, kRunMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, kRunMs);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

void RemoveTree(const std::wstring& directory) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((directory + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = directory + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(directory.c_str());
}

template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (p_) p_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T** put() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

private:
    T* p_ = nullptr;
};

struct Pixels {
    UINT width = 0;
    UINT height = 0;
    std::vector<BYTE> bgra;
};

// Decodes the PNG with the platform's own codec, not the gallery's code.
bool DecodePng(const std::wstring& path, Pixels* pixels) {
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.put()))) ||
        FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())) || FAILED(frame->GetSize(&pixels->width, &pixels->height)) ||
        FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom))) {
        return false;
    }
    pixels->bgra.resize(static_cast<size_t>(pixels->width) * pixels->height * 4);
    return SUCCEEDED(converter->CopyPixels(nullptr, pixels->width * 4, static_cast<UINT>(pixels->bgra.size()),
                                           pixels->bgra.data()));
}

INT_PTR CALLBACK IdleDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The warning notice's window size, from its template in the module (a short
// message leaves it at that size).
SIZE WarningTemplateSize() {
    SIZE size = {0, 0};
    HMODULE module = LoadLibraryW(TestBinPath(L"evdlgx42.dll").c_str());
    HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(kWarningTemplate), nullptr, IdleDialogProc, 0);
    RECT frame;
    if (dialog != nullptr && GetWindowRect(dialog, &frame)) {
        size.cx = frame.right - frame.left;
        size.cy = frame.bottom - frame.top;
    }
    if (dialog != nullptr) DestroyWindow(dialog);
    if (module != nullptr) FreeLibrary(module);
    return size;
}

size_t DistinctColours(const Pixels& pixels) {
    std::set<UINT32> colours;
    for (size_t i = 0; i + 3 < pixels.bgra.size(); i += 4) {
        colours.insert(pixels.bgra[i] | (pixels.bgra[i + 1] << 8) | (pixels.bgra[i + 2] << 16));
    }
    return colours.size();
}

// Pixels dark enough to be text or outlines.
size_t DarkPixels(const Pixels& pixels) {
    size_t dark = 0;
    for (size_t i = 0; i + 3 < pixels.bgra.size(); i += 4) {
        dark += pixels.bgra[i] + pixels.bgra[i + 1] + pixels.bgra[i + 2] < 150;
    }
    return dark;
}

class GalleryRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
    static void TearDownTestSuite() { CoUninitialize(); }

    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        out_ = std::wstring(temp) + L"evdlg-gallery-test-" + std::to_wstring(GetCurrentProcessId());
        RemoveTree(out_);
    }
    void TearDown() override { RemoveTree(out_); }

    int Capture(const std::wstring& extra) {
        return RunGallery(L"capture --lang-tag en --notice " + std::wstring(kNotice) + L" --out " + Quoted(out_) +
                          L" " + extra);
    }
    int Report(const wchar_t* extra) { return RunGallery(L"report --lang en --out " + Quoted(out_) + L" " + extra); }

    LanguageResults Results() const {
        std::string text;
        HANDLE file = CreateFileW((out_ + L"\\en\\results.tsv").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char buffer[4096];
            DWORD got = 0;
            while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) text.append(buffer, got);
            CloseHandle(file);
        }
        return ParseResults(text);
    }

    std::wstring out_;
};

TEST_F(GalleryRun, KeepsAPictureOfTheNoticeAtItsOwnSize) {
    ASSERT_EQ(0, Capture(L""));

    Pixels picture;
    ASSERT_TRUE(DecodePng(out_ + L"\\en\\" + kNotice + L".png", &picture)) << "not a PNG the platform can read";
    SIZE expected = WarningTemplateSize();
    ASSERT_GT(expected.cx, 0);
    EXPECT_EQ(static_cast<UINT>(expected.cx), picture.width);
    EXPECT_EQ(static_cast<UINT>(expected.cy), picture.height);
    // Face, caption bar, text and button edges: far more than one colour, and text.
    EXPECT_GE(DistinctColours(picture), 4u);
    EXPECT_GE(DarkPixels(picture), 200u);

    LanguageResults results = Results();
    ASSERT_EQ(1u, results.pictures.size());
    EXPECT_EQ(picture.width, results.pictures[0].width);
    EXPECT_EQ("Printing Notice", results.pictures[0].caption);
    EXPECT_TRUE(results.failures.empty()) << results.failures[0].reason;
    EXPECT_TRUE(results.fits.empty()) << results.fits[0].control << ": " << results.fits[0].problem;
    EXPECT_EQ(0, Report(L"--strict")) << "the sample texts fit";
}

TEST_F(GalleryRun, StrictFitCheckFlagsTextsTooLongForTheirControls) {
    ASSERT_EQ(0, Capture(L"--strings " + Quoted(TestBinPath(L"OVERLONG.DLL"))));

    std::set<std::string> flagged;
    for (const FitRecord& fit : Results().fits) flagged.insert(fit.control);
    EXPECT_EQ((std::set<std::string>{"caption", "1", "475"}), flagged) << "caption, OK and the check box";
    EXPECT_EQ(2, Report(L"--strict"));
    EXPECT_EQ(0, Report(L"")) << "only --strict fails on texts that do not fit";
}

}  // namespace
