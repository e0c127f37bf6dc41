#pragma once

#include "core/forms/code_page.h"

namespace ui {

// The system's 8-bit code page, for the 8-bit texts of form descriptions.
const forms::CodePage& SystemCodePage();

}  // namespace ui
