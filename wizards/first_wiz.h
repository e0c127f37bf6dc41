#pragma once
#include <cstdint>

#include "ui/check_box.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "wizards/kwizard.h"

// Greets the user on the first start, offers the "Open boosted" shell command and hands
// over to the configuration wizard. Records its own completion in the settings store.
class TFirstWiz : public ui::Form {
    UI_FORM(TFirstWiz)

    UI_FIELD(ui::ImageList, HeaderImages);
    UI_FIELD(wizards::TKWizard, KWizard1);
    UI_FIELD(wizards::TKWizardWelcomePage, KWizardWelcomePage1);
    UI_FIELD(wizards::TKWizardInteriorPage, KWizardInteriorPage1);
    UI_FIELD(wizards::TKWizardInteriorPage, KWizardInteriorPage3);
    UI_FIELD(ui::CheckBox, CheckBox1);

    UI_HANDLER(ui::NotifyArgs, KWizard1FinishButtonClick);
    UI_HANDLER(wizards::WizardPageClickArgs, KWizardInteriorPage3CancelButtonClick);
};

namespace wizards {

// -1 once the user chose on the first-run wizard's last page to answer the configuration
// questions later: the main window then skips the configuration wizard at this start.
std::int32_t ConfigWizardDeferred();
void SetConfigWizardDeferred(std::int32_t deferred);

}  // namespace wizards

// Shows the first-run wizard modally and frees it.
void RunFirstRunWizard();
