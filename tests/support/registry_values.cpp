#include "support/registry_values.h"

namespace {

class Key {
public:
    Key(HKEY root, const std::wstring& path, REGSAM access) {
        if (RegOpenKeyExW(root, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~Key() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

RegistryValue ReadRegistryValue(HKEY root, const std::wstring& keyPath, const wchar_t* valueName) {
    RegistryValue value;
    Key key(root, keyPath, KEY_QUERY_VALUE);
    if (key.get() == nullptr) return value;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), valueName, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) return value;
    value.bytes.resize(size);
    if (RegQueryValueExW(key.get(), valueName, nullptr, &value.type, value.bytes.data(), &size) != ERROR_SUCCESS) {
        return value;
    }
    value.bytes.resize(size);
    value.found = true;
    return value;
}

bool RegistryKeyExists(HKEY root, const std::wstring& keyPath) {
    return Key(root, keyPath, KEY_READ).get() != nullptr;
}

void DeleteRegistryTree(HKEY root, const std::wstring& keyPath) { RegDeleteTreeW(root, keyPath.c_str()); }

void DeleteRegistryValue(HKEY root, const std::wstring& keyPath, const wchar_t* valueName) {
    Key key(root, keyPath, KEY_SET_VALUE);
    if (key.get() != nullptr) RegDeleteValueW(key.get(), valueName);
}
