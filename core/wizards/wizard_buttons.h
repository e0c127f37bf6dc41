#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "core/wizards/page_navigation.h"
#include "core/wizards/wizard_geometry.h"

// The seven navigation buttons of a wizard: what each one is, which of them a page shows
// and enables, and where they sit in the button bar.
namespace wizards {

enum TKWizardButtonKind { bkStart, bkLast, bkBack, bkNext, bkFinish, bkCancel, bkHelp };
inline constexpr int kButtonKindCount = 7;

// Stored in one byte, bit n for the kind of ordinal n, as form descriptions keep it.
class TKWizardButtonSet {
public:
    constexpr TKWizardButtonSet() = default;
    constexpr TKWizardButtonSet(std::initializer_list<TKWizardButtonKind> kinds) {
        for (TKWizardButtonKind kind : kinds) bits_ |= Bit(kind);
    }
    static constexpr TKWizardButtonSet FromBits(std::uint8_t bits) {
        TKWizardButtonSet set;
        set.bits_ = bits & 0x7F;
        return set;
    }
    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool Has(TKWizardButtonKind kind) const { return (bits_ & Bit(kind)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TKWizardButtonSet Without(TKWizardButtonKind kind) const { return FromBits(bits_ & ~Bit(kind)); }
    constexpr bool operator==(const TKWizardButtonSet&) const = default;

private:
    static constexpr std::uint8_t Bit(TKWizardButtonKind kind) { return static_cast<std::uint8_t>(1u << kind); }
    std::uint8_t bits_ = 0;
};

inline constexpr TKWizardButtonSet kAllButtons = TKWizardButtonSet::FromBits(0x7F);
// A page's defaults, and what the bar shows while no page is active.
inline constexpr TKWizardButtonSet kDefaultVisibleButtons{bkBack, bkNext, bkCancel};
inline constexpr TKWizardButtonSet kDefaultEnabledButtons = kAllButtons;
// The last page of each of the program's wizards.
inline constexpr TKWizardButtonSet kLastPageButtons{bkBack, bkFinish, bkCancel};

enum class ButtonGroup { Left, Right };

struct ButtonTraits {
    unsigned captionId;  // string id
    int width;
    bool visible;
    bool enabled;
    ButtonGroup group;  // also the side the button is anchored to, with the bottom
    bool pageVeto;      // the active page's click event may stop the click
    PageMove move;      // where a click that was not stopped goes
    int modalResult;
};

inline constexpr int kButtonHeight = 25;
inline constexpr int kCancelModalResult = 2;

// Indexed by TKWizardButtonKind.
const std::array<ButtonTraits, kButtonKindCount>& ButtonTable();

// The bar is 42 pixels while the active page shows any button and 0 while it shows none;
// without an active page it keeps the default buttons.
inline constexpr int kButtonBarHeight = 42;
int ButtonBarHeightFor(std::optional<TKWizardButtonSet> activePageVisible);

// The client area left to the pages: a bar of 25 pixels or less takes no room.
Rect PageArea(const Rect& wizardClient, int buttonBarHeight);

enum class DefaultButton { Unchanged, Next, Finish };

struct ActivePageButtons {
    TKWizardButtonSet enabled;
    TKWizardButtonSet visible;
    bool isFirstEnabledPage;
};

struct ButtonUpdate {
    TKWizardButtonSet enabled;
    TKWizardButtonSet visible;
    // The first enabled page loses Back from its own EnabledButtons for good: the kit
    // writes this back into the page.
    std::optional<TKWizardButtonSet> pageEnabledButtons;
    // The form's default button is only ever set, never cleared.
    DefaultButton makeDefault;
};

ButtonUpdate UpdateButtons(std::optional<ActivePageButtons> activePage);

struct ButtonBounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ButtonBounds&) const = default;
};

// Bounds for every button the bar places this time; a button that is not shown keeps
// whatever bounds it had. A bar of 25 pixels or less collapses all seven to height 0 at
// the top-left corner.
std::array<std::optional<ButtonBounds>, kButtonKindCount> PlaceButtons(
    const Rect& wizardClient, int buttonBarHeight, TKWizardButtonSet shown,
    const std::array<int, kButtonKindCount>& widths
);

}  // namespace wizards
