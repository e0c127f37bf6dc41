#include "ui/open_dialog.h"

#include <commdlg.h>

#include "ui/property.h"

namespace ui {
namespace {

const char* const kOptionNames[] = {"ofReadOnly",      "ofHideReadOnly",  "ofNoDereferenceLinks", "ofEnableSizing",
                                    "ofFileMustExist", "ofPathMustExist", "ofNoChangeDir"};

}  // namespace

const PropertyTable& OpenDialog::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Component::ClassProperties(),
        {
            published::Text("Filter", &OpenDialog::Filter, &OpenDialog::SetFilter),
            Integer("FilterIndex", &OpenDialog::FilterIndex, &OpenDialog::SetFilterIndex),
            published::Text("FileName", &OpenDialog::FileName, &OpenDialog::SetFileName),
            published::Text("InitialDir", &OpenDialog::InitialDir, &OpenDialog::SetInitialDir),
            published::Text("Title", &OpenDialog::Title, &OpenDialog::SetTitle),
            Set("Options", &OpenDialog::Options, &OpenDialog::SetOptions, kOptionNames),
        }
    );
    return table;
}

OpenDialog::OpenDialog(Component* owner) : Component(owner) {}

bool OpenDialog::Execute(HWND owner) {
    // The filter's separators become the zeros the platform expects, with two at the end.
    std::wstring filter = filter_;
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.append(2, L'\0');
    std::wstring file = fileName_;
    file.resize(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex_);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
    ofn.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    ofn.Flags = OFN_EXPLORER;
    if (options_ & kOfReadOnly) ofn.Flags |= OFN_READONLY;
    if (options_ & kOfHideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
    if (options_ & kOfNoDereferenceLinks) ofn.Flags |= OFN_NODEREFERENCELINKS;
    if (options_ & kOfEnableSizing) ofn.Flags |= OFN_ENABLESIZING;
    if (options_ & kOfFileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
    if (options_ & kOfPathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
    if (options_ & kOfNoChangeDir) ofn.Flags |= OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&ofn)) return false;
    fileName_ = file.c_str();
    filterIndex_ = static_cast<int>(ofn.nFilterIndex);
    return true;
}

}  // namespace ui
