#include "controls/about_box.h"

#include <windows.h>

#include <algorithm>

#include "platform/handles.h"
#include "platform/launch.h"
#include "platform/program_folder.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "ui/form_loader.h"

UI_DEFINE_FORM(TAbout, ui::Form);

namespace {

enum LogoIndex { kPublisherLogo, kPartnerLogo };

// The running program's file: its folder and the name it was started as.
std::wstring ProgramFile() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring full(path);
    return platform::ProgramFolder() + full.substr(full.find_last_of(L'\\') + 1);
}

// A logo of the list drawn over the colour of the panel that shows it.
platform::BitmapHandle LogoOver(ui::ImageList& logos, int index, ui::Color background) {
    platform::WindowDc screen;
    platform::BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), logos.Width(), logos.Height()));
    platform::MemoryDc dc(CreateCompatibleDC(screen.Get()));
    platform::Selection selected(dc.Get(), bitmap.Get());
    ui::CachedBrush brush;
    const RECT all{0, 0, logos.Width(), logos.Height()};
    FillRect(dc.Get(), &all, brush.Get(background));
    logos.Draw(dc.Get(), index, 0, 0);
    return bitmap;
}

// The marquee's glyph sets number their characters as an 8-bit code page: a translation
// written in Cyrillic letters needs the display's Cyrillic set, which shows Latin letters
// and digits as the plain set does.
bool WrittenInCyrillic(const std::wstring& text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x0400 && c <= 0x04FF; });
}

}  // namespace

void TAbout::FormCreate(ui::NotifyArgs&) {
    Image1->GetPicture().SetBitmap(LogoOver(*LogoList, kPublisherLogo, Panel1->EffectiveColor()));
    Image2->GetPicture().SetBitmap(LogoOver(*LogoList, kPartnerLogo, Panel2->EffectiveColor()));
    if (WrittenInCyrillic(LCDScreen1->Lines().Text())) LCDScreen1->SetDotMatrix(displays::TDotMatrix::Rus5x7);
    FV->set_Filename(ProgramFile());
    LabelVer->SetCaption(platform::LoadResString(str::SVersion) + FV->FileVersion());
}

void TAbout::Panel1Click(ui::NotifyArgs&) {
    platform::ShellStartDetached(platform::LoadWebAddress(str::SHomePageUrl), L"");
}

void TAbout::Panel2Click(ui::NotifyArgs&) {
    platform::ShellStartDetached(platform::LoadWebAddress(str::SPartnerHomePageUrl), L"");
}

void TAbout::Button1Click(ui::NotifyArgs&) { Close(); }

void ShowAboutBox() { ui::CreateForm<TAbout>()->ShowModal(); }
