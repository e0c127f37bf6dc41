#pragma once
#include <memory>

#include "app/main_window.h"

// Shared by the main-window tests: a configurator main window created in the test process
// from the same description as the product's, on a clean settings key.
namespace testing_support {

// Kit, display components and the status block, once per test program.
void PrepareConfigurator();

// The configuration wizard counts as done unless the test says otherwise.
ui::FormPtr<TFMCFGClass> CreateMainWindow();

}  // namespace testing_support
