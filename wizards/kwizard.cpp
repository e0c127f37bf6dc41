#include "wizards/kwizard.h"

#include <algorithm>
#include <climits>

#include "core/wizards/page_navigation.h"
#include "core/wizards/page_painting.h"
#include "platform/error.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "ui/form.h"
#include "ui/property.h"

namespace wizards {
namespace {

// The buttons come after the pages in the tab order, in the order of their kinds.
constexpr int kFirstButtonTabOrder = 1000;

bool Contains(const ui::WinControl& outer, HWND window) {
    return outer.HandleAllocated() && window && (window == outer.Handle() || IsChild(outer.Handle(), window));
}

bool IsInside(const ui::Control* control, const ui::WinControl& outer) {
    for (; control; control = control->Parent())
        if (control == &outer) return true;
    return false;
}

bool CanTakeFocus(const ui::WinControl& control) { return control.Enabled() && control.Visible(); }

// The first control in tab order below `container` that takes the keyboard focus.
ui::WinControl* FirstFocusable(const ui::WinControl& container) {
    std::vector<ui::WinControl*> children;
    for (ui::Control* c : container.Controls())
        if (auto* w = dynamic_cast<ui::WinControl*>(c)) children.push_back(w);
    std::stable_sort(children.begin(), children.end(), [](ui::WinControl* a, ui::WinControl* b) {
        auto key = [](ui::WinControl* w) { return w->TabOrder() < 0 ? INT_MAX : w->TabOrder(); };
        return key(a) < key(b);
    });
    for (ui::WinControl* child : children) {
        if (!CanTakeFocus(*child)) continue;
        if (child->TabStop()) return child;
        if (ui::WinControl* inner = FirstFocusable(*child)) return inner;
    }
    return nullptr;
}

}  // namespace

// Button control ------------------------------------------------------------------------

const ui::PropertyTable& TKWizardButtonControl::ClassProperties() {
    static const ui::PropertyTable table(&ui::Button::ClassProperties(), {});
    return table;
}

TKWizardButtonControl::TKWizardButtonControl(TKWizard& wizard, TKWizardButtonKind kind)
    : ui::Button(&wizard), wizard_(&wizard), kind_(kind) {
    const ButtonTraits& traits = ButtonTable()[kind];
    SetBounds(0, 0, traits.width, kButtonHeight);
    SetCaption(platform::LoadResString(traits.captionId));
    SetModalResult(traits.modalResult);
    SetCancel(kind == bkCancel);
    SetVisible(traits.visible);
    SetEnabled(traits.enabled);
    SetTabOrder(kFirstButtonTabOrder + kind);
}

void TKWizardButtonControl::Click() { wizard_->ButtonClicked(*this); }

void TKWizardButtonControl::VisibilityChanged() {
    ui::Button::VisibilityChanged();
    wizard_->RepositionButtons();
}

// Navigate button -----------------------------------------------------------------------

const ui::PropertyTable& TKWizardNavigateButton::ClassProperties() {
    using namespace ui::published;
    using N = TKWizardNavigateButton;
    static const ui::PropertyTable table(
        nullptr,
        {
            Text("Caption", &N::Caption, &N::SetCaption),
            Integer("ModalResult", &N::ModalResult, &N::SetModalResult, ui::ModalResultIdents()),
            Integer("Width", &N::Width, &N::SetWidth),
        }
    );
    return table;
}

void TKWizardNavigateButton::SetWidth(int width) {
    control_.SetWidth(width);
    control_.Wizard()->RepositionButtons();
}

// Wizard --------------------------------------------------------------------------------

const ui::PropertyTable& TKWizard::ClassProperties() {
    using namespace ui::published;
    // The wizard's button events are the click handlers of its button controls.
    auto buttonEvent = [](const char* name, TKWizardButtonKind kind) {
        ui::Property p = Declare(name, ui::PropertyKind::Event);
        p.eventArgs = typeid(ui::NotifyArgs);
        p.setEvent = [kind](ui::Persistent& o, const ui::Handler& h) {
            auto call = h.call;
            As<TKWizard>(o).Button(kind).Control().OnClick = [call](ui::NotifyArgs& a) { call(a); };
        };
        return p;
    };
    static const ui::PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Reference("ActivePage", &TKWizard::ActivePage, &TKWizard::SetActivePage),
            Object("ButtonStart", &TKWizard::ButtonStart),
            Object("ButtonLast", &TKWizard::ButtonLast),
            Object("ButtonBack", &TKWizard::ButtonBack),
            Object("ButtonNext", &TKWizard::ButtonNext),
            Object("ButtonFinish", &TKWizard::ButtonFinish),
            Object("ButtonCancel", &TKWizard::ButtonCancel),
            Object("ButtonHelp", &TKWizard::ButtonHelp),
            Boolean("ShowDivider", &TKWizard::ShowDivider, &TKWizard::SetShowDivider),
            Boolean("ShowRouteMap", &TKWizard::ShowRouteMap, &TKWizard::SetShowRouteMap),
            Reference("HeaderImages", &TKWizard::HeaderImages, &TKWizard::SetHeaderImages),
            EventSlot("OnSelectFirstPage", &TKWizard::OnSelectFirstPage),
            EventSlot("OnSelectLastPage", &TKWizard::OnSelectLastPage),
            EventSlot("OnSelectNextPage", &TKWizard::OnSelectNextPage),
            EventSlot("OnSelectPriorPage", &TKWizard::OnSelectPriorPage),
            buttonEvent("OnStartButtonClick", bkStart),
            buttonEvent("OnLastButtonClick", bkLast),
            buttonEvent("OnBackButtonClick", bkBack),
            buttonEvent("OnNextButtonClick", bkNext),
            buttonEvent("OnFinishButtonClick", bkFinish),
            buttonEvent("OnCancelButtonClick", bkCancel),
        }
    );
    return table;
}

TKWizard::TKWizard(ui::Component* owner) : WinControl(owner) {
    SetAlign(ui::Align::Client);
    for (int kind = 0; kind < kButtonKindCount; ++kind) {
        auto* button = new TKWizardButtonControl(*this, static_cast<TKWizardButtonKind>(kind));
        button->SetParent(this);
        buttons_[kind] = button;
        navigators_[kind] = std::make_unique<TKWizardNavigateButton>(*button);
    }
}

TKWizard::~TKWizard() {
    for (TKWizardCustomPage* page : pages_) page->JoinedWizard(nullptr);
    pages_.clear();
    activePage_ = nullptr;
    // The buttons call back while they go.
    DestroyComponents();
}

bool TKWizard::AdoptChild(ui::Component& child) {
    auto* page = dynamic_cast<TKWizardCustomPage*>(&child);
    if (!page) return WinControl::AdoptChild(child);
    page->SetWizard(this);
    return true;
}

void TKWizard::InsertPage(TKWizardCustomPage& page) {
    if (page.Parent() != this) page.SetParent(this);
    page.JoinedWizard(this);
    if (page.TabOrder() < 0) page.SetTabOrder(static_cast<int>(pages_.size()));
    pages_.push_back(&page);
    PlacePages();
}

void TKWizard::RemovePage(TKWizardCustomPage& page) {
    int index = page.PageIndex();
    if (index < 0) return;
    TKWizardCustomPage* next = PageAt(PageTakingOver(Sequence(), index));
    if (&page == activePage_) LeaveRemovedPage(page);
    ForgetPage(page);
    SetActivePage(next);
}

void TKWizard::LeaveRemovedPage(TKWizardCustomPage& page) {
    // Out of the list the page is no longer the wizard's to switch away from: hidden, it can
    // neither be seen nor reached with Tab.
    ui::Form* form = ParentForm();
    if (form && (Contains(page, GetFocus()) || IsInside(form->ActiveControl(), page))) form->SetActiveControl(this);
    page.SetVisible(false);
}

void TKWizard::ForgetPage(TKWizardCustomPage& page) {
    std::erase(pages_, &page);
    page.JoinedWizard(nullptr);
    if (activePage_ == &page) activePage_ = nullptr;
}

void TKWizard::ActivePageDisabled() { SetActivePage(PageAt(PageTakingOver(Sequence(), activePage_->PageIndex()))); }

PageSequence TKWizard::Sequence() const {
    return {static_cast<int>(pages_.size()), [this](int i) { return pages_[static_cast<size_t>(i)]->Enabled(); }};
}

TKWizardCustomPage* TKWizard::PageAt(std::optional<int> index) const {
    return index ? pages_[static_cast<size_t>(*index)] : nullptr;
}

TKWizardCustomPage* TKWizard::FindNextPage(int index, int step, bool skipDisabled) const {
    return PageAt(wizards::FindNextPage(Sequence(), index, step, skipDisabled));
}

bool TKWizard::IsFirstPage(const TKWizardCustomPage* page, bool skipDisabled) const {
    return wizards::IsFirstPage(Sequence(), page ? page->PageIndex() : -1, skipDisabled);
}

bool TKWizard::IsForward(const TKWizardCustomPage* fromPage, const TKWizardCustomPage* toPage) const {
    if (fromPage && toPage && fromPage->Wizard() != toPage->Wizard())
        throw platform::Error(platform::LoadResString(str::SWizardForeignPage));
    auto index = [](const TKWizardCustomPage* page) {
        return page ? std::optional<int>(page->PageIndex()) : std::nullopt;
    };
    return wizards::IsForward(index(fromPage), index(toPage));
}

void TKWizard::Move(PageMove move) {
    const int active = activePage_ ? activePage_->PageIndex() : -1;
    TKWizardCustomPage* found =
        PageAt(FindMoveTarget(Sequence(), move, active >= 0 ? std::optional<int>(active) : std::nullopt));
    if (!found) return;
    WizardSelectPageArgs args;
    args.sender = this;
    args.fromPage = activePage_;
    args.toPage = found;
    switch (move) {
        case PageMove::First:
            OnSelectFirstPage(args);
            break;
        case PageMove::Last:
            OnSelectLastPage(args);
            break;
        case PageMove::Next:
            OnSelectNextPage(args);
            break;
        case PageMove::Prior:
            OnSelectPriorPage(args);
            break;
        case PageMove::None:
            return;
    }
    if (args.toPage) SetActivePage(args.toPage);
}

void TKWizard::SetActivePage(TKWizardCustomPage* page) {
    TKWizardCustomPage* current = activePage_;
    ActivationRequest request;
    request.loading = Loading();
    request.current = current ? std::optional<int>(current->PageIndex()) : std::nullopt;
    request.targetInThisWizard = !page || page->Wizard() == this;
    request.target = page ? std::optional<int>(request.targetInThisWizard ? page->PageIndex() : -1) : std::nullopt;
    request.currentEnabled = current && current->Enabled();
    request.targetEnabled = !page || page->Enabled();
    ui::Form* form = ParentForm();
    auto pageOf = [&](const std::optional<int>& index) { return index == request.current ? current : page; };
    for (const ActivationStep& step : PlanActivation(request)) {
        TKWizardCustomPage* subject = step.page ? pageOf(step.page) : nullptr;
        switch (step.kind) {
            case ActivationStep::kFocusCurrentPageIfFocusInside:
                if (form && (Contains(*subject, GetFocus()) || IsInside(form->ActiveControl(), *subject)))
                    form->SetActiveControl(subject);
                break;
            case ActivationStep::kExitPage:
                subject->DoExitPage(page);
                break;
            case ActivationStep::kHidePage:
                subject->SetVisible(false);
                break;
            case ActivationStep::kEnterPage:
                subject->DoEnterPage(current);
                break;
            case ActivationStep::kShowPage:
                if (subject->HandleAllocated())
                    SetWindowPos(subject->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                subject->SetVisible(true);
                if (form) form->SetActiveControl(CanTakeFocus(*subject) ? static_cast<ui::WinControl*>(subject) : this);
                break;
            case ActivationStep::kSetActive:
                activePage_ = subject;
                break;
            case ActivationStep::kSetButtonBarHeight:
                SetButtonBarHeight(ButtonBarHeightFor(
                    activePage_ ? std::optional<TKWizardButtonSet>(activePage_->VisibleButtons()) : std::nullopt
                ));
                break;
            case ActivationStep::kAnnouncePage:
                if (form && form->ActiveControl() == subject) {
                    subject->Invalidate();
                    subject->DoPage();
                    if (ui::WinControl* first = FirstFocusable(*subject)) form->SetActiveControl(first);
                }
                break;
        }
    }
}

void TKWizard::UpdateButtons() {
    std::optional<ActivePageButtons> active;
    if (activePage_)
        active = ActivePageButtons{
            activePage_->EnabledButtons(), activePage_->VisibleButtons(), IsFirstPage(activePage_, true)};
    ButtonUpdate update = wizards::UpdateButtons(active);
    if (update.pageEnabledButtons) activePage_->KeepEnabledButtons(*update.pageEnabledButtons);
    for (int kind = 0; kind < kButtonKindCount; ++kind) {
        auto k = static_cast<TKWizardButtonKind>(kind);
        buttons_[kind]->SetVisible(update.visible.Has(k));
        buttons_[kind]->SetEnabled(update.enabled.Has(k));
    }
    if (update.makeDefault == DefaultButton::Next) buttons_[bkNext]->SetDefault(true);
    if (update.makeDefault == DefaultButton::Finish) buttons_[bkFinish]->SetDefault(true);
}

void TKWizard::RepositionButtons() {
    if (std::find(buttons_.begin(), buttons_.end(), nullptr) != buttons_.end()) return;  // still being made
    std::array<int, kButtonKindCount> widths{};
    for (int kind = 0; kind < kButtonKindCount; ++kind) widths[kind] = buttons_[kind]->Width();
    TKWizardButtonSet shown = activePage_ ? activePage_->VisibleButtons() : kDefaultVisibleButtons;
    auto bounds = PlaceButtons(FromRECT(ClientRect()), buttonBarHeight_, shown, widths);
    for (int kind = 0; kind < kButtonKindCount; ++kind)
        if (bounds[kind])
            buttons_[kind]->SetBounds(bounds[kind]->x, bounds[kind]->y, bounds[kind]->width, bounds[kind]->height);
}

void TKWizard::SetButtonBarHeight(int height) {
    if (height != buttonBarHeight_) {
        buttonBarHeight_ = height;
        PlacePages();
        RepositionButtons();
        Invalidate();
    }
    UpdateButtons();
}

RECT TKWizard::PageArea() const { return ToRECT(wizards::PageArea(FromRECT(ClientRect()), buttonBarHeight_)); }

void TKWizard::PlacePages() {
    RECT area = PageArea();
    for (TKWizardCustomPage* page : pages_)
        page->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

void TKWizard::SetShowDivider(bool show) {
    showDivider_ = show;
    Invalidate();
}

void TKWizard::SetHeaderImages(ui::ImageList* images) {
    headerImages_ = images;
    headerImagesLink_ = images ? images->AddChangeListener([this](bool freed) {
        if (freed) {
            headerImages_ = nullptr;
            headerImagesLink_.Disconnect();
        }
        RepaintActivePage();
    })
                               : ui::Connection{};
    RepaintActivePage();
}

void TKWizard::RepaintActivePage() {
    if (activePage_) activePage_->Invalidate();
}

void TKWizard::ButtonClicked(TKWizardButtonControl& button) {
    const TKWizardButtonKind kind = button.Kind();
    if (activePage_) {
        if (const ui::Event<WizardPageClickArgs>* veto = activePage_->ClickEvent(kind)) {
            WizardPageClickArgs args;
            args.sender = activePage_;
            (*veto)(args);
            if (args.stop) return;
        }
    }
    button.PlainClick();
    if (kind == bkHelp) {
        if (ui::Form* form = ParentForm()) form->ShowHelp();
        return;
    }
    Move(ButtonTable()[kind].move);
}

void TKWizard::Loaded() {
    WinControl::Loaded();
    PlacePages();
    RepositionButtons();
    if (!pages_.empty()) SelectFirstPage();
}

void TKWizard::Resized() {
    PlacePages();
    RepositionButtons();
}

void TKWizard::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.exStyle |= WS_EX_CONTROLPARENT;
}

LRESULT TKWizard::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        case WM_ERASEBKGND:
            return 1;  // Paint covers every pixel
        default:
            return WinControl::WndProc(message, wParam, lParam);
    }
}

void TKWizard::PaintSurface(HDC dc) {
    RECT client = ClientRect();
    if (BackColor() != ui::kColorNone) FillRect(dc, &client, Brush().Get(EffectiveColor()));
    if (auto divider = ButtonBarDivider(FromRECT(client), buttonBarHeight_, showDivider_))
        DrawEtchedFrame(dc, *divider);
}

}  // namespace wizards
