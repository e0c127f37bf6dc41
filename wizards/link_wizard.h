#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/wizards/link_plan.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/open_dialog.h"
#include "ui/spin_edit.h"
#include "wizards/kwizard.h"

// Makes a shortcut that starts a program, document or existing shortcut through the booster
// service, which first reclaims the chosen amount of memory. The source is browsed for or
// dropped from the shell onto the source page.
class TLinkWiz : public ui::Form {
    UI_FORM(TLinkWiz)

public:
    UI_FIELD(ui::ImageList, HeaderImages);
    UI_FIELD(wizards::TKWizard, LinkWizard);
    UI_FIELD(wizards::TKWizardWelcomePage, KWizardWelcomePage1);
    UI_FIELD(wizards::TKWizardInteriorPage, KWizardInteriorPage1);
    UI_FIELD(wizards::TKWizardInteriorPage, KWizardInteriorPage2);
    UI_FIELD(wizards::TKWizardInteriorPage, KWizardInteriorPage3);
    UI_FIELD(wizards::TKWizardInteriorPage, KWizardInteriorPage4);
    UI_FIELD(ui::Edit, Edit1);
    UI_FIELD(ui::Button, Button1);
    UI_FIELD(ui::Memo, Memo1);
    UI_FIELD(ui::RadioButton, RadioButton1);
    UI_FIELD(ui::SpinEdit, SpinEdit1);
    UI_FIELD(ui::RadioButton, RadioButton2);
    UI_FIELD(ui::RadioButton, RadioButton4);
    UI_FIELD(ui::RadioButton, RadioButton5);
    UI_FIELD(ui::RadioButton, RadioButton6);
    UI_FIELD(ui::RadioButton, RadioButton7);
    UI_FIELD(ui::RadioButton, RadioButton8);
    UI_FIELD(ui::RadioButton, RadioButton10);
    UI_FIELD(ui::RadioButton, RadioButton9);
    UI_FIELD(ui::Edit, Edit2);
    UI_FIELD(ui::Button, Button2);
    UI_FIELD(ui::OpenDialog, OpenLink);

    UI_HANDLER(ui::NotifyArgs, FormCreate);
    UI_HANDLER(wizards::WizardPageClickArgs, KWizardWelcomePage1NextButtonClick);
    UI_HANDLER(wizards::WizardPageClickArgs, KWizardInteriorPage1NextButtonClick);
    UI_HANDLER(wizards::WizardPageClickArgs, KWizardInteriorPage1BackButtonClick);
    UI_HANDLER(wizards::WizardChangePageArgs, KWizardInteriorPage1EnterPage);
    UI_HANDLER(ui::NotifyArgs, Edit1Change);
    UI_HANDLER(ui::NotifyArgs, Button1Click);
    UI_HANDLER(ui::NotifyArgs, Button2Click);
    UI_HANDLER(ui::NotifyArgs, RadioButton7Click);
    UI_HANDLER(ui::NotifyArgs, RadioButton8Click);
    UI_HANDLER(ui::NotifyArgs, RadioButton10Click);
    UI_HANDLER(ui::NotifyArgs, RadioButton9Click);
    UI_HANDLER(ui::NotifyArgs, LinkWizardFinishButtonClick);

    const wizards::LinkSource& Source() const { return source_; }
    int PlacementMode() const { return placementMode; }
    // Whether the window takes files dropped from the shell.
    bool AcceptsDrops() const;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Takes `file` as the source and shows it in Edit1; a shortcut that cannot be read is
    // reported and changes nothing.
    void TakeSource(const std::wstring& file);
    void AcceptDrops(bool accept);
    void DropFiles(HDROP drop);
    void ChoosePlacement(int mode);
    wizards::BoostChoice Boost() const;

    wizards::LinkSource source_;
    int placementMode = wizards::kPlaceOnDesktop;
};

// Shows the shortcut wizard modally and frees it.
void ShowLinkWizard();
