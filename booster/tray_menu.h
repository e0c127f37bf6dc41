#pragma once
#include <windows.h>

#include "core/booster/booster_settings.h"

// The menu of the tray icon, built from the configurator's tray texts each time it opens.
namespace booster {

enum class TrayCommand {
    None,
    Configure,
    FreeBuffer,         // empty the clipboard
    FreeMaximumMemory,  // scrap all
    AutoRamDefrag,      // automatic optimisation on or off
    About,
    Exit,
    VisitSite,
    TellAFriend,
    SendFeedback,
};

// Shows the menu at the cursor and returns the chosen command. "Auto RAM defrag" is
// checked while automatic optimisation is on.
TrayCommand ShowTrayMenu(HWND owner, const TrayTexts& texts, bool automaticOptimization);

}  // namespace booster
