#pragma once
#include <array>
#include <string>

#include "ui/component.h"

namespace controls {

// Reads the string values of a file's version resource, in the language of the first
// entry of its translation table. A value the resource lacks reads "n/a". A non-visual
// component of the form that shows the version.
class TgsFileVersionInfo : public ui::Component {
    UI_PUBLISHED(TgsFileVersionInfo, "TgsFileVersionInfo")

public:
    explicit TgsFileVersionInfo(ui::Component* owner = nullptr) : ui::Component(owner) {}

    const std::wstring& Filename() const { return filename_; }
    // Reads the file's version resource; throws platform::Error when the file is missing,
    // has no version resource or no translation table (all values then stay empty).
    void set_Filename(const std::wstring& filename);

    const std::wstring& LanguageInfo() const { return language_info_; }
    const std::wstring& CompanyName() const { return value(Key::CompanyName); }
    const std::wstring& FileDescription() const { return value(Key::FileDescription); }
    const std::wstring& FileVersion() const { return value(Key::FileVersion); }
    const std::wstring& InternalName() const { return value(Key::InternalName); }
    const std::wstring& LegalCopyright() const { return value(Key::LegalCopyright); }
    const std::wstring& OriginalFilename() const { return value(Key::OriginalFilename); }
    const std::wstring& ProductName() const { return value(Key::ProductName); }
    const std::wstring& ProductVersion() const { return value(Key::ProductVersion); }
    const std::wstring& Comments() const { return value(Key::Comments); }

    // The part of FileVersion after its last "." (the build number).
    std::wstring GetBuildOnly() const;

private:
    enum class Key {
        CompanyName,
        FileDescription,
        FileVersion,
        InternalName,
        LegalCopyright,
        OriginalFilename,
        ProductName,
        ProductVersion,
        Comments,
        Count
    };

    const std::wstring& value(Key key) const { return values_[static_cast<int>(key)]; }
    void Read();

    std::wstring filename_;
    std::wstring language_info_;
    std::array<std::wstring, static_cast<int>(Key::Count)> values_;
};

}  // namespace controls
