#pragma once
#include <windows.h>

#include <string>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"

// Drives the settings windows' controls as a user does, through the controls' own messages.
namespace testing_support {

inline void Press(ui::Button& button) { SendMessageW(button.Handle(), BM_CLICK, 0, 0); }
inline void Tick(ui::CheckableButton& box) { SendMessageW(box.Handle(), BM_CLICK, 0, 0); }

inline void Type(ui::CustomEdit& field, const std::wstring& keys) {
    for (wchar_t c : keys) SendMessageW(field.Handle(), WM_CHAR, c, 0);
}

// Picks entry `index` as a click in the drop-down list does.
inline void Choose(ui::ComboBox& list, int index) {
    HWND h = list.Handle();
    SendMessageW(h, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), CBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}

}  // namespace testing_support
