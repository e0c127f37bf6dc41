#include "controls/file_version_info.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "platform/error.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "ui/property.h"

namespace controls {
namespace {

// In the order of TgsFileVersionInfo::Key.
constexpr const wchar_t* kKeyNames[] = {L"CompanyName",  L"FileDescription", L"FileVersion",
                                        L"InternalName", L"LegalCopyright",  L"OriginalFilename",
                                        L"ProductName",  L"ProductVersion",  L"Comments"};

bool IsFile(const std::wstring& name) {
    const DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Hex4(WORD word) {
    wchar_t text[5];
    swprintf(text, 5, L"%04X", word);
    return text;
}

}  // namespace

const ui::PropertyTable& TgsFileVersionInfo::ClassProperties() {
    static const ui::PropertyTable table(&ui::Component::ClassProperties(), {});
    return table;
}

void TgsFileVersionInfo::set_Filename(const std::wstring& filename) {
    filename_ = filename;
    Read();
}

void TgsFileVersionInfo::Read() {
    language_info_.clear();
    for (std::wstring& v : values_) v.clear();

    if (!IsFile(filename_)) throw platform::Error(platform::LoadResString(str::SFileNotFound) + filename_);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(filename_.c_str(), &ignored);
    std::vector<BYTE> record(size);
    if (size == 0 || !GetFileVersionInfoW(filename_.c_str(), 0, size, record.data()))
        throw platform::Error(platform::LoadResString(str::SInvalidVersionRecord) + filename_);

    void* table = nullptr;
    UINT table_size = 0;
    if (!VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &table, &table_size) || table_size < 4)
        throw platform::Error(platform::LoadResString(str::SInvalidLanguageInfo) + filename_);
    const WORD* translation = static_cast<const WORD*>(table);
    const std::wstring language = Hex4(translation[0]) + Hex4(translation[1]);

    for (int k = 0; k < static_cast<int>(Key::Count); ++k) {
        const std::wstring path = L"\\StringFileInfo\\" + language + L"\\" + kKeyNames[k];
        void* text = nullptr;
        UINT length = 0;
        if (VerQueryValueW(record.data(), path.c_str(), &text, &length) && text)
            values_[k].assign(static_cast<const wchar_t*>(text), wcsnlen(static_cast<const wchar_t*>(text), length));
        else
            values_[k] = L"n/a";
    }
    language_info_ = language;
}

std::wstring TgsFileVersionInfo::GetBuildOnly() const {
    const std::wstring& version = FileVersion();
    return version.substr(version.find_last_of(L'.') + 1);
}

}  // namespace controls
