#include "services/user_setting.h"

#include "text/text_ops.h"
#include "unique_resource.h"

namespace {

const uint32_t kKeyPathCch = 260;
const wchar_t kSettingsRoot[] = L"Software\\Orvantel\\";

// A sub key that would not fit whole is left out rather than cut, so that the
// value never lands under a shortened, unrelated key.
void AppendSubKeyIfItFits(wchar_t* keyPath, const wchar_t* subKey) {
    uint32_t rootLength = 0;
    uint32_t subKeyLength = 0;
    TextLength(keyPath, kKeyPathCch, &rootLength);
    if (TextLength(subKey, kKeyPathCch, &subKeyLength) != TEXT_S_OK) return;
    if (rootLength + subKeyLength + 2 > kKeyPathCch) return;
    TextAppend(keyPath, kKeyPathCch, subKey);
}

}  // namespace

BOOL BWriteUserSetting(const wchar_t* subKey, const wchar_t* valueName, const BYTE* data, DWORD size) {
    wchar_t keyPath[kKeyPathCch];
    TextCopy(keyPath, kKeyPathCch, kSettingsRoot);
    if (subKey != 0) AppendSubKeyIfItFits(keyPath, subKey);

    UniqueKey key;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, 0, 0, KEY_ALL_ACCESS, 0, key.put(), &disposition) !=
        ERROR_SUCCESS) {
        return FALSE;
    }
    return RegSetValueExW(key.get(), valueName, 0, REG_BINARY, data, size) == ERROR_SUCCESS;
}
