#include "controls/file_version_info.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "platform/error.h"
#include "platform/resource_source.h"
#include "platform/system_library.h"
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

namespace {

// The system's version library, loaded from the system folder only rather than imported, so a
// planted file of its name beside the program is never loaded at start-up.
struct VersionLibrary {
    decltype(&GetFileVersionInfoSizeW) InfoSize =
        platform::SystemFunction<decltype(&GetFileVersionInfoSizeW)>(L"version.dll", "GetFileVersionInfoSizeW");
    decltype(&GetFileVersionInfoW) Info =
        platform::SystemFunction<decltype(&GetFileVersionInfoW)>(L"version.dll", "GetFileVersionInfoW");
    decltype(&VerQueryValueW) QueryValue =
        platform::SystemFunction<decltype(&VerQueryValueW)>(L"version.dll", "VerQueryValueW");
};

const VersionLibrary& Version() {
    static const VersionLibrary library;
    return library;
}

}  // namespace

void TgsFileVersionInfo::Read() {
    language_info_.clear();
    for (std::wstring& v : values_) v.clear();

    if (!IsFile(filename_)) throw platform::Error(platform::LoadResString(str::SFileNotFound) + filename_);
    const VersionLibrary& version = Version();
    DWORD ignored = 0;
    const DWORD size =
        version.InfoSize && version.Info && version.QueryValue ? version.InfoSize(filename_.c_str(), &ignored) : 0;
    std::vector<BYTE> record(size);
    if (size == 0 || !version.Info(filename_.c_str(), 0, size, record.data()))
        throw platform::Error(platform::LoadResString(str::SInvalidVersionRecord) + filename_);

    void* table = nullptr;
    UINT table_size = 0;
    if (!version.QueryValue(record.data(), L"\\VarFileInfo\\Translation", &table, &table_size) || table_size < 4)
        throw platform::Error(platform::LoadResString(str::SInvalidLanguageInfo) + filename_);
    const WORD* translation = static_cast<const WORD*>(table);
    const std::wstring language = Hex4(translation[0]) + Hex4(translation[1]);

    for (int k = 0; k < static_cast<int>(Key::Count); ++k) {
        const std::wstring path = L"\\StringFileInfo\\" + language + L"\\" + kKeyNames[k];
        void* text = nullptr;
        UINT length = 0;
        if (version.QueryValue(record.data(), path.c_str(), &text, &length) && text)
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
