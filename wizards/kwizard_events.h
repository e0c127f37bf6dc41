#pragma once
#include <windows.h>

#include "ui/events.h"

namespace wizards {

class TKWizardCustomPage;

// A move is about to land on `toPage`; the handler may name another page or none.
struct WizardSelectPageArgs : ui::EventArgs {
    TKWizardCustomPage* fromPage = nullptr;  // not owned
    TKWizardCustomPage* toPage = nullptr;    // not owned
};

// Entering: the page left; exiting: the page to come (none for the first activation).
struct WizardChangePageArgs : ui::EventArgs {
    TKWizardCustomPage* page = nullptr;  // not owned
};

// Paints the page's body instead of its image and panel; `rect` is what the header and
// watermark left free.
struct WizardPaintPageArgs : ui::EventArgs {
    HDC canvas = nullptr;
    RECT rect{};
};

// Offered to the active page before a navigation button acts; `stop` cancels the click.
struct WizardPageClickArgs : ui::EventArgs {
    bool stop = false;
};

}  // namespace wizards
