#include "wizards/kwizard_page.h"

#include <algorithm>

#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "ui/property.h"
#include "wizards/kwizard.h"

namespace wizards {
namespace {

const char* const kButtonKindNames[] = {"bkStart", "bkLast", "bkBack", "bkNext", "bkFinish", "bkCancel", "bkHelp"};

}  // namespace

const ui::PropertyTable& TKWizardCustomPage::ClassProperties() {
    using namespace ui::published;
    using P = TKWizardCustomPage;
    auto buttonSet = [](const char* name, TKWizardButtonSet (P::*get)() const, void (P::*set)(TKWizardButtonSet)) {
        ui::Property p = Declare(name, ui::PropertyKind::Set);
        p.names = kButtonKindNames;
        p.getInteger = [get](const ui::Persistent& o) { return static_cast<std::int64_t>((As<P>(o).*get)().Bits()); };
        p.setInteger = [set](ui::Persistent& o, std::int64_t v) {
            (As<P>(o).*set)(TKWizardButtonSet::FromBits(static_cast<std::uint8_t>(v)));
        };
        return p;
    };
    static const ui::PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Object("Header", &P::Header),
            Object("Panel", &P::Panel),
            Object("Image", &P::Image),
            buttonSet("EnabledButtons", &P::EnabledButtons, &P::SetEnabledButtons),
            buttonSet("VisibleButtons", &P::VisibleButtons, &P::SetVisibleButtons),
            EventSlot("OnEnterPage", &P::OnEnterPage),
            EventSlot("OnExitPage", &P::OnExitPage),
            EventSlot("OnPage", &P::OnPage),
            EventSlot("OnPaintPage", &P::OnPaintPage),
            EventSlot("OnStartButtonClick", &P::OnStartButtonClick),
            EventSlot("OnLastButtonClick", &P::OnLastButtonClick),
            EventSlot("OnNextButtonClick", &P::OnNextButtonClick),
            EventSlot("OnBackButtonClick", &P::OnBackButtonClick),
            EventSlot("OnCancelButtonClick", &P::OnCancelButtonClick),
            EventSlot("OnFinishButtonClick", &P::OnFinishButtonClick),
        }
    );
    return table;
}

TKWizardCustomPage::TKWizardCustomPage(ui::Component* owner) : WinControl(owner) {
    SetVisible(false);
    header_.Initialize(*this);
    panel_.Initialize(*this);
    image_.onChange = [this] { Invalidate(); };
}

// Pages die with their form, after their children and before the wizard: leaving quietly
// keeps page events away from a form being torn down.
TKWizardCustomPage::~TKWizardCustomPage() {
    if (wizard_) wizard_->ForgetPage(*this);
}

void TKWizardCustomPage::SetWizard(TKWizard* wizard) {
    if (wizard == wizard_) return;
    if (wizard_) wizard_->RemovePage(*this);
    SetParent(wizard);
    if (wizard) wizard->InsertPage(*this);
}

int TKWizardCustomPage::PageIndex() const {
    if (!wizard_) return -1;
    const auto& pages = wizard_->Pages();
    auto it = std::find(pages.begin(), pages.end(), this);
    return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

void TKWizardCustomPage::SetEnabledButtons(TKWizardButtonSet buttons) {
    enabledButtons_ = buttons;
    if (wizard_ && wizard_->ActivePage() == this) wizard_->UpdateButtons();
}

void TKWizardCustomPage::SetVisibleButtons(TKWizardButtonSet buttons) {
    visibleButtons_ = buttons;
    if (wizard_ && wizard_->ActivePage() == this) {
        wizard_->SetButtonBarHeight(ButtonBarHeightFor(buttons));
        Invalidate();
    }
}

const ui::Event<WizardPageClickArgs>* TKWizardCustomPage::ClickEvent(TKWizardButtonKind kind) const {
    switch (kind) {
        case bkStart:
            return &OnStartButtonClick;
        case bkLast:
            return &OnLastButtonClick;
        case bkBack:
            return &OnBackButtonClick;
        case bkNext:
            return &OnNextButtonClick;
        case bkFinish:
            return &OnFinishButtonClick;
        case bkCancel:
            return &OnCancelButtonClick;
        case bkHelp:
            break;
    }
    return nullptr;
}

void TKWizardCustomPage::DoEnterPage(TKWizardCustomPage* fromPage) {
    if (!Enabled()) return;
    WizardChangePageArgs args;
    args.sender = this;
    args.page = fromPage;
    OnEnterPage(args);
}

void TKWizardCustomPage::DoPage() {
    if (!Enabled()) return;
    ui::NotifyArgs args;
    args.sender = this;
    OnPage(args);
}

void TKWizardCustomPage::DoExitPage(TKWizardCustomPage* toPage) {
    if (!Enabled()) return;
    WizardChangePageArgs args;
    args.sender = this;
    args.page = toPage;
    OnExitPage(args);
}

PageDecorations TKWizardCustomPage::Decorations() const {
    PageDecorations d;
    d.headerVisible = header_.Visible();
    d.headerHeight = header_.Height();
    return d;
}

RECT TKWizardCustomPage::AlignArea() const { return ToRECT(PageChildArea(FromRECT(ClientRect()), Decorations())); }

void TKWizardCustomPage::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.exStyle |= WS_EX_CONTROLPARENT;
}

LRESULT TKWizardCustomPage::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Paint covers every pixel.
    if (message == WM_ERASEBKGND) return 1;
    return WinControl::WndProc(message, wParam, lParam);
}

void TKWizardCustomPage::Paint(HDC dc) {
    if (painting_) return;
    painting_ = true;
    try {
        RECT r = ClientRect();
        FillRect(dc, &r, Brush().Get(EffectiveColor()));
        DrawPageDecoration(dc, r);
        if (OnPaintPage) {
            WizardPaintPageArgs args;
            args.sender = this;
            args.canvas = dc;
            args.rect = r;
            OnPaintPage(args);
        } else {
            image_.PaintTo(dc, r);
            panel_.PaintTo(dc, r);
        }
        PaintGraphicChildren(dc);
    } catch (...) {
        painting_ = false;
        throw;
    }
    painting_ = false;
}

// The wizard leaves a page that can no longer be used.
void TKWizardCustomPage::EnabledChanged() {
    WinControl::EnabledChanged();
    if (!Enabled() && wizard_ && wizard_->ActivePage() == this) wizard_->ActivePageDisabled();
}

void TKWizardCustomPage::FontChanged() {
    WinControl::FontChanged();
    header_.AdjustFont(TextFont());
    Invalidate();
}

const ui::PropertyTable& TKWizardInteriorPage::ClassProperties() {
    static const ui::PropertyTable table(&TKWizardCustomPage::ClassProperties(), {});
    return table;
}

// Welcome page --------------------------------------------------------------------------

const ui::PropertyTable& TKWizardWelcomePage::ClassProperties() {
    using namespace ui::published;
    static const ui::PropertyTable table(
        &TKWizardCustomPage::ClassProperties(),
        {
            Object("WaterMark", &TKWizardWelcomePage::WaterMark),
        }
    );
    return table;
}

TKWizardWelcomePage::TKWizardWelcomePage(ui::Component* owner) : TKWizardCustomPage(owner) {
    SetColor(ui::kWindowColor);
    Header().Title().SetText(platform::LoadResString(str::SWizardWelcome));
    Header().SetShowDivider(false);
    waterMark_.Initialize(*this);
}

void TKWizardWelcomePage::DrawPageDecoration(HDC dc, RECT& r) {
    waterMark_.PaintTo(dc, r);
    Header().PaintTo(dc, r);
}

PageDecorations TKWizardWelcomePage::Decorations() const {
    PageDecorations d = TKWizardCustomPage::Decorations();
    d.watermarkVisible = waterMark_.Visible();
    d.watermarkRight = waterMark_.Align() == TKWizardWaterMark::Side::Right;
    d.watermarkWidth = waterMark_.Width();
    return d;
}

}  // namespace wizards
