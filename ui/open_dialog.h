#pragma once
#include <windows.h>

#include "ui/component.h"

namespace ui {

enum OpenOption : std::uint32_t {
    kOfReadOnly = 1,
    kOfHideReadOnly = 2,
    kOfNoDereferenceLinks = 4,
    kOfEnableSizing = 8,
    kOfFileMustExist = 16,
    kOfPathMustExist = 32,
    kOfNoChangeDir = 64,
};

// The platform's file-open dialog. Filter is "Label|patterns|Label|patterns".
class OpenDialog : public Component {
    UI_PUBLISHED(OpenDialog, "TOpenDialog")

public:
    explicit OpenDialog(Component* owner);

    std::wstring Filter() const { return filter_; }
    void SetFilter(const std::wstring& v) { filter_ = v; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int v) { filterIndex_ = v; }
    std::wstring FileName() const { return fileName_; }
    void SetFileName(const std::wstring& v) { fileName_ = v; }
    std::wstring InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::wstring& v) { initialDir_ = v; }
    std::wstring Title() const { return title_; }
    void SetTitle(const std::wstring& v) { title_ = v; }
    std::uint32_t Options() const { return options_; }
    void SetOptions(std::uint32_t v) { options_ = v; }

    // Shows the dialog owned by `owner`; true with FileName set when the user chose a file.
    bool Execute(HWND owner);

private:
    std::wstring filter_;
    int filterIndex_ = 1;
    std::wstring fileName_;
    std::wstring initialDir_;
    std::wstring title_;
    std::uint32_t options_ = kOfHideReadOnly | kOfEnableSizing;
};

}  // namespace ui
