// Compiles help_context.h in the Windows build, so the table stays valid C++ for the
// program's F1 and Help buttons.
#include "help_context.h"

static_assert(help::HelpContextOf("TFMCFGClass") == help::IDH_MAIN_WINDOW);
static_assert(help::HelpContextOf("TOptWnd.TabSheet2") == help::IDH_OPTIONS_VIEW);
static_assert(help::HelpContextOf("TLinkWiz.KWizardInteriorPage4") == help::IDH_SHORTCUT_WIZARD_PLACEMENT);
static_assert(help::HelpContextOf("TOptWnd.Button1") == help::IDH_OPTIONS);
static_assert(help::HelpContextOf("TNoSuchWindow") == 0);
