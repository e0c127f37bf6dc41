#include "ui/spin_edit.h"

#include <commctrl.h>

#include <charconv>

#include "platform/text.h"
#include "resources/string_ids.h"
#include "ui/property.h"
#include "ui/text_compare.h"

using platform::Narrow;

namespace ui {
namespace {

constexpr int kArrowsWidth = 17;
constexpr wchar_t kObjectProperty[] = L"TesslyUiObject";

}  // namespace

const PropertyTable& SpinEdit::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Integer("MinValue", &SpinEdit::MinValue, &SpinEdit::SetMinValue),
            Integer("MaxValue", &SpinEdit::MaxValue, &SpinEdit::SetMaxValue),
            Integer("Increment", &SpinEdit::Increment, &SpinEdit::SetIncrement),
            Integer("Value", &SpinEdit::Value, &SpinEdit::SetValue),
            Boolean("ReadOnly", &SpinEdit::ReadOnly, &SpinEdit::SetReadOnly),
            Integer("MaxLength", &SpinEdit::MaxLength, &SpinEdit::SetMaxLength),
            EventSlot("OnChange", &SpinEdit::OnChange),
        }
    );
    return table;
}

SpinEdit::SpinEdit(Component* owner) : CustomEdit(owner) {
    SetBounds(0, 0, 121, 22);
    SetCaption(L"0");
}

int SpinEdit::Clamp(int v) const {
    if (min_ == max_) return v;
    return v < min_ ? min_ : v > max_ ? max_ : v;
}

int SpinEdit::Value() const {
    std::string text = Narrow(Caption());
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return min_;
    return v;
}

void SpinEdit::SetValue(int v) { SetCaption(std::to_wstring(Clamp(v))); }

void SpinEdit::HandleCreated() {
    CustomEdit::HandleCreated();
    // The field handles its own arrow keys, so the arrows do not take them over.
    DWORD style = WS_CHILD | UDS_NOTHOUSANDS | (Visible() ? WS_VISIBLE : 0u) | (Enabled() ? 0u : WS_DISABLED);
    arrows_ = CreateWindowExW(
        0, UPDOWN_CLASSW, L"", style, 0, 0, 0, 0, Parent() ? Parent()->Handle() : nullptr, nullptr,
        GetModuleHandleW(nullptr), nullptr
    );
    if (!arrows_) ThrowWindowError(str::SWindowFailed, UPDOWN_CLASSW);
    // The arrows report to the parent, which hands their notifications to this field.
    SetPropW(arrows_, kObjectProperty, this);
    // Paired as buddies, the two are one control to the system and to assistive tools.
    SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
    ApplyBounds();
}

void SpinEdit::DestroyArrows() {
    if (!arrows_) return;
    RemovePropW(arrows_, kObjectProperty);
    DestroyWindow(arrows_);
    arrows_ = nullptr;
}

LRESULT SpinEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) DestroyArrows();
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN) && !ReadOnly()) {
        SetValue(Value() + (wParam == VK_UP ? increment_ : -increment_));
        return 0;
    }
    return CustomEdit::WndProc(message, wParam, lParam);
}

LRESULT SpinEdit::NotifyReflected(NMHDR& header) {
    if (header.code != UDN_DELTAPOS || ReadOnly()) return 0;
    auto& delta = reinterpret_cast<NMUPDOWN&>(header);
    SetValue(Value() + (delta.iDelta < 0 ? increment_ : -increment_));  // up arrow: iDelta < 0
    return 1;  // the field keeps its own value; the control's position is not used
}

void SpinEdit::ApplyBounds() {
    if (!HandleAllocated()) return;
    int fieldWidth = Width() > kArrowsWidth ? Width() - kArrowsWidth : Width();
    SetWindowPos(Handle(), nullptr, Left(), Top(), fieldWidth, Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (arrows_)
        SetWindowPos(
            arrows_, nullptr, Left() + fieldWidth, Top(), kArrowsWidth, Height(), SWP_NOZORDER | SWP_NOACTIVATE
        );
}

void SpinEdit::VisibilityChanged() {
    CustomEdit::VisibilityChanged();
    if (arrows_) ShowWindow(arrows_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void SpinEdit::EnabledChanged() {
    CustomEdit::EnabledChanged();
    if (arrows_) EnableWindow(arrows_, Enabled());
}

}  // namespace ui
