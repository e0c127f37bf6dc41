#pragma once

namespace wizards {

// Makes the wizard component and its pages known to form descriptions; call once before
// the first wizard form loads.
void RegisterWizardComponents();

}  // namespace wizards
