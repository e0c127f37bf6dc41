#pragma once
#include <functional>

#include "ui/form.h"

namespace testing_support {

// Shows `form` modally and, once it is on screen, runs `action` inside its modal loop
// (click a button, post a key, close it). Returns the modal result. A dialog still open
// long after its action is closed with mrAbort, so a broken test fails instead of hanging.
int ShowModalAndDo(ui::Form& form, std::function<void()> action);

// For windows that code under test creates itself: runs `action` once inside the modal
// loop of the first form shown modally from now on, until StopRunWhenModal.
void RunWhenModal(std::function<void()> action);
void StopRunWhenModal();

// Makes the kit ready once per test program (common controls).
void InitializeKit();

}  // namespace testing_support
