#include "ui/hot_key.h"

#include <commctrl.h>

#include "ui/property.h"

namespace ui {
namespace {

WORD ToControl(std::uint16_t code) {
    BYTE modifiers = 0;
    if (code & kScShift) modifiers |= HOTKEYF_SHIFT;
    if (code & kScCtrl) modifiers |= HOTKEYF_CONTROL;
    if (code & kScAlt) modifiers |= HOTKEYF_ALT;
    return MAKEWORD(code & 0xFF, modifiers);
}

std::uint16_t FromControl(WORD value) {
    BYTE modifiers = HIBYTE(value);
    std::uint16_t code = LOBYTE(value);
    if (!code) return 0;
    if (modifiers & HOTKEYF_SHIFT) code |= kScShift;
    if (modifiers & HOTKEYF_CONTROL) code |= kScCtrl;
    if (modifiers & HOTKEYF_ALT) code |= kScAlt;
    return code;
}

}  // namespace

const PropertyTable& HotKey::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Integer("HotKey", &HotKey::ShortCut, &HotKey::SetShortCut),
            EventSlot("OnChange", &HotKey::OnChange),
        }
    );
    return table;
}

HotKey::HotKey(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 121, 19);
    SetTabStop(true);
    SetColor(kWindowColor);
}

std::uint16_t HotKey::ShortCut() const {
    if (!HandleAllocated()) return code_;
    return FromControl(static_cast<WORD>(SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0)));
}

void HotKey::SetShortCut(std::uint16_t code) {
    code_ = code;
    Perform(HKM_SETHOTKEY, ToControl(code));
}

void HotKey::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = HOTKEY_CLASSW;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void HotKey::HandleCreated() {
    Perform(HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_ALT, 0));
    Perform(HKM_SETHOTKEY, ToControl(code_));
}

void HotKey::CommandNotify(WORD code, WORD) {
    if (code != EN_CHANGE) return;
    NotifyArgs args;
    args.sender = this;
    OnChange(args);
}

}  // namespace ui
