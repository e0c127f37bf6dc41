#pragma once

#include "core/wizards/configuration_plan.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/label.h"
#include "wizards/kwizard.h"

// Sets the booster service up from two questions: how the user's programs behave and which
// kinds of programs run. Shows the machine, derives the settings from the answers and the
// memory size, reports them, and writes them on "Finish".
class TConfigWiz : public ui::Form {
    UI_FORM(TConfigWiz)

    UI_FIELD(ui::ImageList, HeaderImages);
    UI_FIELD(wizards::TKWizard, ConfigWizard);
    UI_FIELD(wizards::TKWizardWelcomePage, KWizardWelcomePage1);
    UI_FIELD(wizards::TKWizardInteriorPage, KWizardInteriorPage1);
    UI_FIELD(wizards::TKWizardInteriorPage, KWizardInteriorPage2);
    UI_FIELD(wizards::TKWizardInteriorPage, KWizardInteriorPage3);
    UI_FIELD(ui::Memo, Memo2);
    UI_FIELD(ui::RadioButton, RadioButton1);
    UI_FIELD(ui::RadioButton, RadioButton2);
    UI_FIELD(ui::RadioButton, RadioButton3);
    UI_FIELD(ui::Label, Label1);
    UI_FIELD(ui::Label, Label2);
    UI_FIELD(ui::Label, Label3);
    UI_FIELD(ui::CheckBox, CheckBox1);
    UI_FIELD(ui::CheckBox, CheckBox2);
    UI_FIELD(ui::CheckBox, CheckBox3);
    UI_FIELD(ui::CheckBox, CheckBox4);
    UI_FIELD(ui::CheckBox, CheckBox5);
    UI_FIELD(ui::CheckBox, CheckBox6);
    UI_FIELD(ui::Memo, Memo1);

    UI_HANDLER(ui::NotifyArgs, FormCreate);
    UI_HANDLER(ui::MouseArgs, Label1MouseDown);
    UI_HANDLER(ui::MouseArgs, Label2MouseDown);
    UI_HANDLER(ui::MouseArgs, Label3MouseDown);
    UI_HANDLER(ui::MouseArgs, Label1MouseUp);
    UI_HANDLER(ui::MouseArgs, Label2MouseUp);
    UI_HANDLER(ui::MouseArgs, Label3MouseUp);
    UI_HANDLER(wizards::WizardPageClickArgs, KWizardInteriorPage1NextButtonClick);
    UI_HANDLER(wizards::WizardPageClickArgs, KWizardInteriorPage2NextButtonClick);
    UI_HANDLER(ui::NotifyArgs, ConfigWizardFinishButtonClick);

    // What the answers so far derive; complete once the programs page was left forward.
    const wizards::ConfigurationPlan& Plan() const { return plan_; }

private:
    unsigned CheckedProgramKinds() const;

    wizards::ConfigurationPlan plan_;
};

// Shows the configuration wizard modally and frees it.
void RunConfigWizard();
