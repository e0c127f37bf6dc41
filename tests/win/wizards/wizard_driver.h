#pragma once
#include <windows.h>

#include "tests/win/ui/modal_driver.h"
#include "wizards/kwizard.h"

// Drives a wizard's navigation buttons as a user clicks them.
namespace testing_support {

inline void Press(wizards::TKWizard& wizard, wizards::TKWizardButtonKind kind) {
    SendMessageW(wizard.Button(kind).Control().Handle(), BM_CLICK, 0, 0);
}

}  // namespace testing_support
