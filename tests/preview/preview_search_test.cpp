// Where the preview module comes from when the printer driver's directory
// gives no answer. This program lies in a directory of its own that holds a
// preview module, so that the program's directory can be told apart from the
// current one.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "preview_harness.h"
#include "support/fake_spooler.h"
#include "support/test_paths.h"

namespace {

const wchar_t kPrinter[] = L"Orvantel Office 4200";

class PreviewModuleSearch : public PreviewEntryTest {
protected:
    PreviewModuleSearch() : PreviewEntryTest(L"..\\evdlgx42.dll") {}
};

TEST_F(PreviewModuleSearch, BareNameIsFoundInTheProgramDirectoryAndNotInTheCurrentOne) {
    ASSERT_TRUE(FakeSpooler().AddPrinter(kPrinter, L"orvdrv.dll", kFakePrinterNormal));
    ScratchDirectory planted;
    // The planted module lacks the ICD function: loading it would answer "Cancel".
    ASSERT_TRUE(planted.Plant(TestBinPath(L"..\\preview_partial\\PVIEW5KQ.DLL"), L"PVIEW5KQ.DLL"));
    CurrentDirectoryScope scope(planted.path());
    GuardedRequest request(kPrinter, std::vector<DWORD>());

    EXPECT_EQ(L"OK", TakeAnswer(entries_.previewIcd(request.record())));
    EXPECT_EQ(1, record_->calls);
    EXPECT_EQ(0, lstrcmpiW(TestBinPath(L"PVIEW5KQ.DLL").c_str(), record_->modulePath))
        << "loaded " << record_->modulePath;
}

TEST_F(PreviewModuleSearch, KnownDriverDirectoryWithoutTheModuleIsCancelledWithoutSearchingFurther) {
    ScratchDirectory driverDirectory;
    ASSERT_TRUE(FakeSpooler().AddPrinter(kPrinter, (driverDirectory.path() + L"orvdrv.dll").c_str(),
                                         kFakePrinterNormal));
    GuardedRequest request(kPrinter, std::vector<DWORD>());

    EXPECT_EQ(L"Cancel", TakeAnswer(entries_.previewIcd(request.record())));
    EXPECT_EQ(0, record_->attaches) << "loaded " << record_->modulePath;
}

}  // namespace
