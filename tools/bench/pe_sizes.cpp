#include "pe_sizes.h"

#include <stddef.h>
#include <string.h>
#include <windows.h>

#include <vector>

namespace {

std::vector<BYTE> ReadFileBytes(const std::wstring& path) {
    std::vector<BYTE> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING, 0, 0);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    DWORD size = GetFileSize(file, 0);
    DWORD read = 0;
    bytes.resize(size);
    if (!ReadFile(file, bytes.data(), size, &read, 0) || read != size) bytes.clear();
    CloseHandle(file);
    return bytes;
}

// Bounds-checked view of the file as the loader would map it.
class PeFile {
public:
    explicit PeFile(const std::vector<BYTE>& bytes) : bytes_(bytes), sections_(0), sectionCount_(0), nt_(0) {
        const IMAGE_DOS_HEADER* dos = At<IMAGE_DOS_HEADER>(0);
        if (dos == 0 || dos->e_magic != IMAGE_DOS_SIGNATURE) return;
        nt_ = At<IMAGE_NT_HEADERS32>(dos->e_lfanew);
        if (nt_ == 0 || nt_->Signature != IMAGE_NT_SIGNATURE) {
            nt_ = 0;
            return;
        }
        sectionCount_ = nt_->FileHeader.NumberOfSections;
        DWORD first =
            dos->e_lfanew + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) + nt_->FileHeader.SizeOfOptionalHeader;
        sections_ = At<IMAGE_SECTION_HEADER>(first, sectionCount_);
        if (sections_ == 0) nt_ = 0;
    }

    bool valid() const { return nt_ != 0; }
    const IMAGE_NT_HEADERS32& nt() const { return *nt_; }
    int sectionCount() const { return sectionCount_; }
    const IMAGE_SECTION_HEADER& section(int i) const { return sections_[i]; }

    template <typename T>
    const T* At(DWORD offset, DWORD count = 1) const {
        if (offset > bytes_.size() || (bytes_.size() - offset) / sizeof(T) < count) return 0;
        return reinterpret_cast<const T*>(bytes_.data() + offset);
    }

    // File offset of an address inside the image, or 0 outside every section.
    DWORD OffsetOf(DWORD rva) const {
        for (int i = 0; i < sectionCount_; ++i) {
            const IMAGE_SECTION_HEADER& s = sections_[i];
            if (rva >= s.VirtualAddress && rva - s.VirtualAddress < s.SizeOfRawData) {
                return s.PointerToRawData + (rva - s.VirtualAddress);
            }
        }
        return 0;
    }

private:
    const std::vector<BYTE>& bytes_;
    const IMAGE_SECTION_HEADER* sections_;
    int sectionCount_;
    const IMAGE_NT_HEADERS32* nt_;
};

const IMAGE_RESOURCE_DIRECTORY_ENTRY* DirectoryEntries(const PeFile& pe, DWORD offset, DWORD* count) {
    const IMAGE_RESOURCE_DIRECTORY* directory = pe.At<IMAGE_RESOURCE_DIRECTORY>(offset);
    if (directory == 0) return 0;
    *count = directory->NumberOfNamedEntries + directory->NumberOfIdEntries;
    return pe.At<IMAGE_RESOURCE_DIRECTORY_ENTRY>(offset + sizeof(IMAGE_RESOURCE_DIRECTORY), *count);
}

// Bytes of the resources under one directory entry (names, then languages).
double ResourceBytes(const PeFile& pe, DWORD root, const IMAGE_RESOURCE_DIRECTORY_ENTRY& entry, int depth) {
    if (!entry.DataIsDirectory) {
        const IMAGE_RESOURCE_DATA_ENTRY* data = pe.At<IMAGE_RESOURCE_DATA_ENTRY>(root + entry.OffsetToData);
        return data != 0 ? data->Size : 0;
    }
    DWORD count = 0;
    const IMAGE_RESOURCE_DIRECTORY_ENTRY* entries = DirectoryEntries(pe, root + entry.OffsetToDirectory, &count);
    double total = 0;
    for (DWORD i = 0; entries != 0 && i < count && depth < 3; ++i)
        total += ResourceBytes(pe, root, entries[i], depth + 1);
    return total;
}

double BitmapBytes(const PeFile& pe) {
    const IMAGE_DATA_DIRECTORY& resources = pe.nt().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE];
    DWORD root = resources.VirtualAddress ? pe.OffsetOf(resources.VirtualAddress) : 0;
    if (root == 0) return 0;
    DWORD count = 0;
    const IMAGE_RESOURCE_DIRECTORY_ENTRY* types = DirectoryEntries(pe, root, &count);
    for (DWORD i = 0; types != 0 && i < count; ++i) {
        if (!types[i].NameIsString && types[i].Id == reinterpret_cast<ULONG_PTR>(RT_BITMAP)) {
            return ResourceBytes(pe, root, types[i], 1);
        }
    }
    return 0;
}

}  // namespace

SectionSizes SizesOf(const std::wstring& path) {
    SectionSizes sizes = {false, 0, 0, 0, 0, 0};
    std::vector<BYTE> bytes = ReadFileBytes(path);
    PeFile pe(bytes);
    if (!pe.valid()) return sizes;
    sizes.read = true;
    sizes.file = static_cast<double>(bytes.size());
    sizes.image = pe.nt().OptionalHeader.SizeOfHeaders;
    for (int i = 0; i < pe.sectionCount(); ++i) {
        const IMAGE_SECTION_HEADER& s = pe.section(i);
        char name[9] = {0};
        memcpy(name, s.Name, 8);
        // mingw keeps long section names (debug information) in the string table: "/4".
        if (name[0] == '/' || strncmp(name, ".debug", 6) == 0) continue;
        if (strcmp(name, ".rsrc") == 0) {
            sizes.resources += s.SizeOfRawData;
            continue;
        }
        sizes.image += s.SizeOfRawData;
        if (s.Characteristics & IMAGE_SCN_CNT_CODE) sizes.code += s.SizeOfRawData;
    }
    sizes.pictures = BitmapBytes(pe);
    return sizes;
}
