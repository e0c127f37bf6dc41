#pragma once

// The values of the settings table that no settings window binds, with the code that keeps
// them. Every other value is bound to a control of the options window or one of its dialogs;
// a test holds the table, the windows' bindings and this list together.
namespace settings {

struct KeptElsewhere {
    const char* setting;
    const char* keeper;
};

inline constexpr KeptElsewhere kSettingsKeptElsewhere[] = {
    {"IconTimeRefresh", "main window: the refresh interval of its View menu"},
    {"CFGViewMenuState", "main window: its View menu"},
    {"MainWndPos", "main window: its placement"},
    {"CFGWindowMaximized", "main window: its placement"},
    {"CFGConfigWizardComplete", "configuration wizard"},
    {"CFGFirstWizardComplete", "first-run wizard"},
    {"DlgCloseNeverAsk", "closing confirmation"},
    {"DlgQBoostNeverAsk", "quick-boost confirmation"},
    {"LangFileName", "language switch"},
    {"LangPack", "language switch: the service's tray menu"},
    {"LangInetPack", "language switch: the service's tray submenu"},
    {"LangTrayPack", "language switch: the service's tray tooltip"},
};

}  // namespace settings
