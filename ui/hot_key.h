#pragma once
#include <cstdint>

#include "ui/win_control.h"

namespace ui {

// Shortcut codes as the settings store keeps them: a virtual key in the low byte and
// these modifier bits.
inline constexpr std::uint16_t kScShift = 0x2000;
inline constexpr std::uint16_t kScCtrl = 0x4000;
inline constexpr std::uint16_t kScAlt = 0x8000;

// The platform's hot-key field. A key with no modifier or with Shift alone is not a valid
// hot key: the field turns it into Alt plus the key.
class HotKey : public WinControl {
    UI_PUBLISHED(HotKey, "THotKey")

public:
    explicit HotKey(Component* owner);

    std::uint16_t ShortCut() const;
    void SetShortCut(std::uint16_t code);

    Event<NotifyArgs> OnChange;

    // F1 may be the chosen key: here it is typed, not a request for help.
    bool WantsKey(WPARAM key) const override { return key == VK_F1; }

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void CommandNotify(WORD code, WORD id) override;

private:
    std::uint16_t code_ = 0;
};

}  // namespace ui
