#pragma once

#include "core/settings/settings_table.h"
#include "ui/check_box.h"
#include "ui/form_loader.h"

// The "never show this message again" box that the confirmation dialogs share: one setting
// per dialog, set for good once the box was ticked when the dialog closed its way.

// True when the user chose never to see the dialog of `setting` again.
bool NeverAskAgain(const settings::IntSetting& setting);
// Stores the choice when the box is ticked; an unticked box changes nothing.
void StoreNeverAskAgain(const settings::IntSetting& setting, const ui::CheckBox& box);

// Shows dialog D modally unless the user chose never to see it again; true when it was shown.
template <class D>
bool AskUnlessNeverAgain(const settings::IntSetting& setting) {
    if (NeverAskAgain(setting)) return false;
    ui::CreateForm<D>()->ShowModal();
    return true;
}
