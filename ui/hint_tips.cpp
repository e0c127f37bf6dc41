#include "ui/hint_tips.h"

#include <commctrl.h>

#include <string>

#include "ui/form.h"

namespace ui {
namespace {

template <typename Visit>
void ForEachControl(const WinControl& parent, Visit visit) {
    for (Control* c : parent.Controls()) {
        visit(*c);
        if (auto* inner = dynamic_cast<WinControl*>(c)) ForEachControl(*inner, visit);
    }
}

}  // namespace

void HintTips::Attach(Form& form) {
    tip_.Reset();
    UINT_PTR id = 0;
    ForEachControl(form, [&](Control& c) {
        WinControl* parent = c.Parent();
        if (!c.ShowHint() || c.Hint().empty() || !parent || !parent->HandleAllocated()) return;
        if (!tip_) {
            tip_.Reset(CreateWindowExW(
                WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr
            ));
            if (!tip_) return;
        }
        std::wstring text = c.Hint();
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = parent->Handle();
        tool.uId = ++id;
        tool.rect = c.BoundsRect();
        tool.lpszText = text.data();
        SendMessageW(tip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    });
}

}  // namespace ui
