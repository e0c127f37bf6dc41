#pragma once

#include "controls/file_version_info.h"
#include "controls/lcd_screen.h"
#include "controls/text_fader.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/image_list.h"
#include "ui/label.h"
#include "ui/panel.h"

// The About box: the product line scrolling on a dot-matrix marquee, the publisher's and
// the programming partner's panels that open their home pages, fading credits and the
// version read from the program file itself.
class TAbout : public ui::Form {
    UI_FORM(TAbout)

public:
    UI_FIELD(controls::TLCDScreen, LCDScreen1);
    UI_FIELD(ui::Panel, Panel1);
    UI_FIELD(ui::Image, Image1);
    UI_FIELD(ui::Label, Label1);
    UI_FIELD(ui::Panel, Panel2);
    UI_FIELD(ui::Image, Image2);
    UI_FIELD(ui::Label, Label2);
    UI_FIELD(ui::Panel, Panel3);
    UI_FIELD(controls::TTextFader, TextFader1);
    UI_FIELD(ui::Label, LabelVer);
    UI_FIELD(ui::Button, Button1);
    UI_FIELD(controls::TgsFileVersionInfo, FV);
    UI_FIELD(ui::ImageList, LogoList);

    UI_HANDLER(ui::NotifyArgs, FormCreate);
    UI_HANDLER(ui::NotifyArgs, Panel1Click);
    UI_HANDLER(ui::NotifyArgs, Panel2Click);
    UI_HANDLER(ui::NotifyArgs, Button1Click);
};

// Creates the About box, shows it modally and frees it.
void ShowAboutBox();
