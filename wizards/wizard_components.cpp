#include "wizards/wizard_components.h"

#include "ui/component_classes.h"
#include "wizards/kwizard.h"
#include "wizards/kwizard_page.h"

namespace wizards {

void RegisterWizardComponents() {
    ui::RegisterComponentClass<TKWizard>("TKWizard");
    ui::RegisterComponentClass<TKWizardWelcomePage>("TKWizardWelcomePage");
    ui::RegisterComponentClass<TKWizardInteriorPage>("TKWizardInteriorPage");
}

}  // namespace wizards
