#include "tests/win/app/main_window_rig.h"

#include <windows.h>

#include "controls/display_components.h"
#include "service/status_block_view.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/application.h"
#include "ui/form_loader.h"
#include "wizards/wizard_components.h"

namespace testing_support {

void PrepareConfigurator() {
    static bool done = false;
    if (done) return;
    InitializeKit();
    controls::RegisterDisplayComponents();
    wizards::RegisterWizardComponents();
    statusblock::SetView(statusblock::OpenStatusBlock());
    done = true;
}

ui::FormPtr<TFMCFGClass> CreateMainWindow() {
    PrepareConfigurator();
    // A configured machine: the configuration wizard would otherwise hold construction.
    if (!ReadRawDword("CFGConfigWizardComplete")) WriteRawDword("CFGConfigWizardComplete", -1);
    auto window = ui::CreateForm<TFMCFGClass>();
    window->Show();
    return window;
}

}  // namespace testing_support
