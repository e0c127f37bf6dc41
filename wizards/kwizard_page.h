#pragma once
#include <windows.h>

#include <cstdint>

#include "core/wizards/wizard_buttons.h"
#include "ui/win_control.h"
#include "wizards/kwizard_events.h"
#include "wizards/kwizard_parts.h"

namespace wizards {

class TKWizard;

// One page of a wizard: a container that fills the wizard above its button bar, shown only
// while it is the active page. It paints its header (and a welcome page its watermark),
// then its picture and panel, and says which navigation buttons show and work on it.
class TKWizardCustomPage : public ui::WinControl {
    UI_PUBLISHED(TKWizardCustomPage, "TKWizardCustomPage")

public:
    explicit TKWizardCustomPage(ui::Component* owner);
    ~TKWizardCustomPage() override;

    TKWizard* Wizard() const { return wizard_; }
    // Leaves the old wizard (which then changes its active page) and joins the new one.
    void SetWizard(TKWizard* wizard);
    int PageIndex() const;

    TKWizardPageHeader& Header() { return header_; }
    TKWizardPagePanel& Panel() { return panel_; }
    TKWizardImage& Image() { return image_; }

    TKWizardButtonSet EnabledButtons() const { return enabledButtons_; }
    void SetEnabledButtons(TKWizardButtonSet buttons);
    TKWizardButtonSet VisibleButtons() const { return visibleButtons_; }
    void SetVisibleButtons(TKWizardButtonSet buttons);

    ui::Event<WizardChangePageArgs> OnEnterPage;
    ui::Event<WizardChangePageArgs> OnExitPage;
    ui::Event<ui::NotifyArgs> OnPage;
    ui::Event<WizardPaintPageArgs> OnPaintPage;
    ui::Event<WizardPageClickArgs> OnStartButtonClick;
    ui::Event<WizardPageClickArgs> OnLastButtonClick;
    ui::Event<WizardPageClickArgs> OnNextButtonClick;
    ui::Event<WizardPageClickArgs> OnBackButtonClick;
    ui::Event<WizardPageClickArgs> OnCancelButtonClick;
    ui::Event<WizardPageClickArgs> OnFinishButtonClick;
    // The page's veto hook of a button; null for Help, which has none.
    const ui::Event<WizardPageClickArgs>* ClickEvent(TKWizardButtonKind kind) const;

    virtual void DoEnterPage(TKWizardCustomPage* fromPage);
    virtual void DoPage();
    virtual void DoExitPage(TKWizardCustomPage* toPage);

    RECT AlignArea() const override;

    // Called by the wizard: the first enabled page loses Back from its own buttons for good.
    void KeepEnabledButtons(TKWizardButtonSet buttons) { enabledButtons_ = buttons; }
    void JoinedWizard(TKWizard* wizard) { wizard_ = wizard; }

protected:
    // Paints the header (and watermark) and takes their strips from `r`.
    virtual void DrawPageDecoration(HDC, RECT&) {}
    virtual PageDecorations Decorations() const;

    void FillCreateParams(CreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;
    void EnabledChanged() override;
    void FontChanged() override;

private:
    TKWizard* wizard_ = nullptr;  // not owned
    TKWizardPageHeader header_;
    TKWizardPagePanel panel_;
    TKWizardImage image_;
    TKWizardButtonSet enabledButtons_ = kDefaultEnabledButtons;
    TKWizardButtonSet visibleButtons_ = kDefaultVisibleButtons;
    bool painting_ = false;
};

// The first page of a wizard: a coloured watermark column beside the header and body.
class TKWizardWelcomePage : public TKWizardCustomPage {
    UI_PUBLISHED(TKWizardWelcomePage, "TKWizardWelcomePage")

public:
    explicit TKWizardWelcomePage(ui::Component* owner);

    TKWizardWaterMark& WaterMark() { return waterMark_; }

protected:
    void DrawPageDecoration(HDC dc, RECT& r) override;
    PageDecorations Decorations() const override;

private:
    TKWizardWaterMark waterMark_;
};

class TKWizardInteriorPage : public TKWizardCustomPage {
    UI_PUBLISHED(TKWizardInteriorPage, "TKWizardInteriorPage")

public:
    explicit TKWizardInteriorPage(ui::Component* owner) : TKWizardCustomPage(owner) {}

protected:
    void DrawPageDecoration(HDC dc, RECT& r) override { Header().PaintTo(dc, r); }
};

}  // namespace wizards
