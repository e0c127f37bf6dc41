#include "booster/tray_menu.h"

#include <string>

namespace booster {
namespace {

// Positions of the captions in the tray texts.
constexpr TrayCommand kMenuItems[] = {
    TrayCommand::Configure,
    TrayCommand::FreeBuffer,
    TrayCommand::FreeMaximumMemory,
    TrayCommand::AutoRamDefrag,
    TrayCommand::None /* the Internet submenu */,
    TrayCommand::About,
    TrayCommand::Exit};
constexpr std::size_t kInternetPosition = 4;
constexpr TrayCommand kInternetItems[] = {TrayCommand::VisitSite, TrayCommand::TellAFriend, TrayCommand::SendFeedback};

const wchar_t* Caption(const std::vector<std::wstring>& captions, std::size_t i) {
    return i < captions.size() ? captions[i].c_str() : L"";
}

UINT Id(TrayCommand command) { return static_cast<UINT>(command); }

HMENU BuildInternetMenu(const TrayTexts& texts) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < std::size(kInternetItems); ++i)
        AppendMenuW(menu, MF_STRING, Id(kInternetItems[i]), Caption(texts.internet, i));
    return menu;
}

HMENU BuildMenu(const TrayTexts& texts, bool automaticOptimization) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < std::size(kMenuItems); ++i) {
        if (i == kInternetPosition) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildInternetMenu(texts)), Caption(texts.menu, i));
            continue;
        }
        if (kMenuItems[i] == TrayCommand::Exit) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        UINT flags = MF_STRING;
        if (kMenuItems[i] == TrayCommand::AutoRamDefrag && automaticOptimization) flags |= MF_CHECKED;
        AppendMenuW(menu, flags, Id(kMenuItems[i]), Caption(texts.menu, i));
    }
    SetMenuDefaultItem(menu, Id(TrayCommand::Configure), FALSE);
    return menu;
}

}  // namespace

TrayCommand ShowTrayMenu(HWND owner, const TrayTexts& texts, bool automaticOptimization) {
    HMENU menu = BuildMenu(texts, automaticOptimization);
    POINT at{};
    GetCursorPos(&at);
    // Without this the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, owner, nullptr)
    );
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
    return chosen <= Id(TrayCommand::SendFeedback) ? static_cast<TrayCommand>(chosen) : TrayCommand::None;
}

}  // namespace booster
