// Help contexts: the fixed numeric help context of every window and every wizard page, and
// the topic of the compiled help (help\<Language>.chm) that it opens.
//
// This table is the only place where the mapping is written down. The help build
// (help/helptool.py) reads the HELP_CONTEXT lines below to write the [ALIAS] and [MAP]
// sections of each language's .hhp, so HtmlHelp(owner, file, HH_HELP_CONTEXT, id) opens the
// topic in every language; the help tests check that each topic exists in every CHM.
//
// The identity names the window as its form description does: the form class for a window
// (forms/*.form, "object OptWnd: TOptWnd" gives "TOptWnd"), the class and the component name
// for a tab sheet or a wizard page ("TOptWnd.TabSheet1", "TConfigWiz.KWizardWelcomePage1").
//
// Keep one entry per line in the form HELP_CONTEXT(symbol, id, "identity", "topic.htm").
#pragma once

#include <cstdint>
#include <string_view>

#define TESSLY_HELP_CONTEXTS(HELP_CONTEXT)                                                                  \
    HELP_CONTEXT(IDH_MAIN_WINDOW, 1000, "TFMCFGClass", "main_window.htm")                                  \
    HELP_CONTEXT(IDH_ABOUT, 1010, "TAbout", "about.htm")                                                   \
    HELP_CONTEXT(IDH_OPTIONS, 1100, "TOptWnd", "options.htm")                                              \
    HELP_CONTEXT(IDH_OPTIONS_GENERAL, 1110, "TOptWnd.TabSheet1", "options_general.htm")                    \
    HELP_CONTEXT(IDH_OPTIONS_VIEW, 1120, "TOptWnd.TabSheet2", "options_view.htm")                          \
    HELP_CONTEXT(IDH_OPTIONS_QUICK_BOOST, 1130, "TOptWnd.TabSheet3", "options_quick_boost.htm")            \
    HELP_CONTEXT(IDH_OPTIONS_EXCLUSIONS, 1140, "TOptWnd.TabSheet4", "options_exclusions.htm")              \
    HELP_CONTEXT(IDH_PREVENTIVE, 1200, "TForm9", "preventive.htm")                                         \
    HELP_CONTEXT(IDH_EMERGENCY, 1210, "TForm10", "emergency.htm")                                          \
    HELP_CONTEXT(IDH_ASK_CLOSE, 1300, "TAskForClose", "confirm_close.htm")                                 \
    HELP_CONTEXT(IDH_ASK_QUICK_BOOST, 1310, "TAskForQBoost", "confirm_quick_boost.htm")                    \
    HELP_CONTEXT(IDH_CONFIG_WIZARD, 1400, "TConfigWiz", "config_wizard.htm")                               \
    HELP_CONTEXT(IDH_CONFIG_WIZARD_WELCOME, 1401, "TConfigWiz.KWizardWelcomePage1", "cw_welcome.htm")      \
    HELP_CONTEXT(IDH_CONFIG_WIZARD_PERFORMANCE, 1402, "TConfigWiz.KWizardInteriorPage1", "cw_performance.htm") \
    HELP_CONTEXT(IDH_CONFIG_WIZARD_PROGRAMS, 1403, "TConfigWiz.KWizardInteriorPage2", "cw_programs.htm")   \
    HELP_CONTEXT(IDH_CONFIG_WIZARD_FINISHED, 1404, "TConfigWiz.KWizardInteriorPage3", "cw_finished.htm")   \
    HELP_CONTEXT(IDH_FIRST_RUN_WIZARD, 1500, "TFirstWiz", "first_run_wizard.htm")                          \
    HELP_CONTEXT(IDH_FIRST_RUN_WELCOME, 1501, "TFirstWiz.KWizardWelcomePage1", "fw_welcome.htm")           \
    HELP_CONTEXT(IDH_FIRST_RUN_INTEGRATION, 1502, "TFirstWiz.KWizardInteriorPage1", "fw_integration.htm")  \
    HELP_CONTEXT(IDH_FIRST_RUN_FINISH, 1503, "TFirstWiz.KWizardInteriorPage3", "fw_finish.htm")            \
    HELP_CONTEXT(IDH_SHORTCUT_WIZARD, 1600, "TLinkWiz", "shortcut_wizard.htm")                             \
    HELP_CONTEXT(IDH_SHORTCUT_WIZARD_WELCOME, 1601, "TLinkWiz.KWizardWelcomePage1", "sw_welcome.htm")      \
    HELP_CONTEXT(IDH_SHORTCUT_WIZARD_SOURCE, 1602, "TLinkWiz.KWizardInteriorPage1", "sw_source.htm")       \
    HELP_CONTEXT(IDH_SHORTCUT_WIZARD_BOOST, 1603, "TLinkWiz.KWizardInteriorPage2", "sw_boost.htm")         \
    HELP_CONTEXT(IDH_SHORTCUT_WIZARD_SERVICE, 1604, "TLinkWiz.KWizardInteriorPage3", "sw_service.htm")     \
    HELP_CONTEXT(IDH_SHORTCUT_WIZARD_PLACEMENT, 1605, "TLinkWiz.KWizardInteriorPage4", "sw_placement.htm")

namespace help {

#define TESSLY_HELP_CONSTANT(symbol, id, identity, topic) inline constexpr std::uint32_t symbol = id;
TESSLY_HELP_CONTEXTS(TESSLY_HELP_CONSTANT)
#undef TESSLY_HELP_CONSTANT

struct HelpContext {
    std::uint32_t id;
    std::string_view identity;  // "TOptWnd", "TOptWnd.TabSheet2", "TLinkWiz.KWizardInteriorPage4"
    std::string_view topic;     // file inside the CHM
};

#define TESSLY_HELP_ENTRY(symbol, id, identity, topic) HelpContext{id, identity, topic},
inline constexpr HelpContext kHelpContexts[] = {TESSLY_HELP_CONTEXTS(TESSLY_HELP_ENTRY)};
#undef TESSLY_HELP_ENTRY

// The help context of a window ("TOptWnd") or of a page ("TOptWnd.TabSheet1"); 0 when the
// identity has none. A page without its own entry falls back to its window's context.
constexpr std::uint32_t HelpContextOf(std::string_view identity) {
    for (const HelpContext& context : kHelpContexts)
        if (context.identity == identity) return context.id;
    const std::size_t dot = identity.find('.');
    return dot == std::string_view::npos ? 0 : HelpContextOf(identity.substr(0, dot));
}

}  // namespace help
