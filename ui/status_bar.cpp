#include "ui/status_bar.h"

#include <commctrl.h>

#include "ui/property.h"

namespace ui {
namespace {

const char* const kPanelStyleNames[] = {"psText", "psOwnerDraw"};
const char* const kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};

}  // namespace

const PropertyTable& StatusPanel::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        nullptr,
        {
            Integer("Width", &StatusPanel::Width, &StatusPanel::SetWidth),
            published::Text("Text", &StatusPanel::Text, &StatusPanel::SetText),
            Enumeration("Style", &StatusPanel::Style, &StatusPanel::SetStyle, kPanelStyleNames),
            Enumeration("Alignment", &StatusPanel::Alignment, &StatusPanel::SetAlignment, kAlignmentNames),
        }
    );
    return table;
}

void StatusPanel::SetWidth(int w) {
    width_ = w;
    Changed();
}

void StatusPanel::SetText(const std::wstring& t) {
    text_ = t;
    Changed();
}

void StatusPanel::SetStyle(PanelStyle s) {
    style_ = s;
    Changed();
}

void StatusPanel::SetAlignment(TextAlignment a) {
    alignment_ = a;
    Changed();
}

const PropertyTable& StatusBar::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Object("Panels", &StatusBar::Panels, PropertyKind::Collection),
            Boolean("SizeGrip", &StatusBar::SizeGrip, &StatusBar::SetSizeGrip),
            EventSlot("OnDrawPanel", &StatusBar::OnDrawPanel),
        }
    );
    return table;
}

StatusBar::StatusBar(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 200, 19);
    SetAlign(Align::Bottom);
    panels_.onChange = [this] { UpdateParts(); };
}

void StatusBar::SetSizeGrip(bool v) {
    sizeGrip_ = v;
    RecreateHandle();
}

void StatusBar::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = STATUSCLASSNAMEW;
    params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (sizeGrip_) params.style |= SBARS_SIZEGRIP;
}

void StatusBar::UpdateParts() {
    if (!HandleAllocated()) return;
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i < panels_.Count(); ++i) {
        right += panels_[i].Width();
        edges.push_back(i + 1 == panels_.Count() ? -1 : right);
    }
    if (edges.empty()) edges.push_back(-1);
    Perform(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < panels_.Count(); ++i) {
        const StatusPanel& p = panels_[i];
        std::wstring text = p.Text();
        if (p.Alignment() == TextAlignment::Center) text = L"\t" + text;
        if (p.Alignment() == TextAlignment::Right) text = L"\t\t" + text;
        bool ownerDraw = p.Style() == PanelStyle::OwnerDraw;
        Perform(
            SB_SETTEXTW, static_cast<WPARAM>(i) | (ownerDraw ? SBT_OWNERDRAW : 0),
            ownerDraw ? static_cast<LPARAM>(i) : reinterpret_cast<LPARAM>(text.c_str())
        );
    }
}

void StatusBar::InvalidatePanel(int index) {
    RECT r;
    if (HandleAllocated() && Perform(SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)))
        InvalidateRect(Handle(), &r, TRUE);
}

bool StatusBar::DrawItemReflected(DRAWITEMSTRUCT& item) {
    DrawPanelArgs args;
    args.sender = this;
    args.dc = item.hDC;
    args.rect = item.rcItem;
    args.panelIndex = static_cast<int>(item.itemID);
    OnDrawPanel(args);
    return true;
}

}  // namespace ui
