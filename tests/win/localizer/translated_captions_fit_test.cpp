// Every translated caption of every window fits the control that shows it, measured with
// the control's own font as the system draws it: labels (to the next control on their right,
// or within their box when they wrap), check boxes and radio buttons beside their box,
// buttons, group box titles, and the fixed notes in read-only memos (no more lines than the
// English note takes). The windows are built from the descriptions of the program's language
// modules, made from the language files of the installed copy.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "controls/display_components.h"
#include "localizer/localizer_on_fly.h"
#include "platform/handles.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/form_loader.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/text_compare.h"
#include "wizards/wizard_components.h"

namespace {

// The room a check box or radio button leaves its text: the box and the gap after it.
constexpr int kBoxAndGap = 17;
// A push button's frame and the space the text keeps from it on each side.
constexpr int kButtonMargin = 4;
// A group box title starts past the frame's corner and is padded on both sides.
constexpr int kGroupTitleIndent = 8;
constexpr int kGroupTitlePadding = 4;

std::vector<std::string> ProgramForms() {
    std::istringstream names(PROGRAM_FORM_NAMES);
    std::vector<std::string> forms;
    for (std::string name; names >> name;) forms.push_back(name);
    return forms;
}

// Measures text on the screen as the controls draw it.
class Ruler {
public:
    Ruler() : dc_(CreateCompatibleDC(nullptr)) {}

    // The box of `text` on one line, or wrapped at `width` when `width` > 0.
    SIZE Measure(ui::Font& font, const std::wstring& text, int width) const {
        platform::Selection selected(dc_.Get(), font.Handle());
        RECT r{0, 0, width > 0 ? width : 0, 0};
        const UINT flags = DT_CALCRECT | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE);
        DrawTextW(dc_.Get(), text.c_str(), -1, &r, flags);
        return {r.right - r.left, r.bottom - r.top};
    }

    // How far the drawn text really reaches: the system may draw a few pixels past the
    // advance widths it reports, which a box of the measured width would cut off.
    int InkWidth(ui::Font& font, const std::wstring& text) const {
        const SIZE size = Measure(font, text, 0);
        const int width = size.cx + 16, height = size.cy;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        platform::BitmapHandle bitmap(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap.Get()) return size.cx;
        platform::Selection selectedBitmap(dc_.Get(), bitmap.Get());
        platform::Selection selectedFont(dc_.Get(), font.Handle());
        RECT all{0, 0, width, height};
        FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(dc_.Get(), TRANSPARENT);
        SetTextColor(dc_.Get(), RGB(0, 0, 0));
        DrawTextW(dc_.Get(), text.c_str(), -1, &all, DT_SINGLELINE | DT_NOCLIP);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int x = width - 1; x >= 0; --x)
            for (int y = 0; y < height; ++y)
                if ((pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF) return std::max<int>(x + 1, size.cx);
        return size.cx;
    }

private:
    platform::MemoryDc dc_;
};

// The installed program loaded as data: its own descriptions are the English windows.
class EnglishProgram {
public:
    EnglishProgram()
        : module_(LoadLibraryExW((testing_support::ProductFolder() + L"TesslyMBCfg.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE)) {}
    ~EnglishProgram() {
        if (module_) FreeLibrary(module_);
    }
    EnglishProgram(const EnglishProgram&) = delete;
    EnglishProgram& operator=(const EnglishProgram&) = delete;
    HINSTANCE Get() const { return module_; }

private:
    HMODULE module_;
};

struct Misfit {
    std::string where;
    std::string text;
    std::string what;
};

class CaptionFit {
public:
    CaptionFit(std::string form, std::vector<Misfit>& misfits,
               std::map<std::string, int>& noteLines, bool native)
        : form_(std::move(form)), misfits_(misfits), noteLines_(noteLines), native_(native) {}

    void Check(ui::WinControl& parent) {
        for (ui::Control* control : parent.Controls()) {
            if (auto* label = dynamic_cast<ui::Label*>(control)) CheckLabel(*label, parent);
            else if (auto* box = dynamic_cast<ui::CheckableButton*>(control)) CheckBoxText(*box);
            else if (auto* button = dynamic_cast<ui::Button*>(control)) CheckButton(*button);
            else if (auto* memo = dynamic_cast<ui::Memo*>(control)) CheckNote(*memo);
            if (auto* group = dynamic_cast<ui::GroupBox*>(control)) CheckGroupTitle(*group);
            if (auto* inner = dynamic_cast<ui::WinControl*>(control)) Check(*inner);
        }
    }

private:
    std::string Where(const ui::Control& control) const { return form_ + "." + control.Name(); }

    void Report(const ui::Control& control, const std::wstring& text, int need, int room, const char* unit) {
        if (need <= room) return;
        misfits_.push_back({Where(control), platform::ToUtf8(text),
                            std::to_string(need) + " " + unit + " needed, " + std::to_string(room) + " there"});
    }

    // An autosized label grows to its text; its room ends at the next control on its right
    // that shares its height, or at the edge of its parent. A fixed label keeps its box.
    void CheckLabel(ui::Label& label, ui::WinControl& parent) {
        const std::wstring text = label.Caption();
        if (text.empty()) return;
        if (label.AutoSize()) {
            int edge = parent.ClientRect().right;
            for (ui::Control* other : parent.Controls()) {
                if (other == &label || !other->Visible() || other->Left() < label.Left() + 1) continue;
                const bool sharesRows =
                    other->Top() < label.Top() + label.Height() && label.Top() < other->Top() + other->Height();
                if (sharesRows) edge = std::min(edge, other->Left());
            }
            const int ink = ruler_.InkWidth(label.TextFont(), text);
            Report(label, text, ink, label.Width(), "pixels of width in its own box");
            Report(label, text, label.Left() + ink, edge, "pixels to the right edge");
        } else if (label.WordWrap()) {
            const SIZE wrapped = ruler_.Measure(label.TextFont(), text, label.Width());
            Report(label, text, wrapped.cy, label.Height(), "pixels of height");
            Report(label, text, wrapped.cx, label.Width(), "pixels for the longest word");
        } else {
            Report(label, text, ruler_.InkWidth(label.TextFont(), text), label.Width(), "pixels of width");
        }
    }

    // Check boxes and radio buttons wrap their text within their height.
    void CheckBoxText(ui::CheckableButton& box) {
        const std::wstring text = box.Caption();
        if (text.empty()) return;
        const int room = box.Width() - kBoxAndGap;
        const SIZE wrapped = ruler_.Measure(box.TextFont(), text, room);
        Report(box, text, wrapped.cy, box.Height(), "pixels of height");
        Report(box, text, wrapped.cx, room, "pixels for the longest word");
    }

    void CheckButton(ui::Button& button) {
        const std::wstring text = button.Caption();
        if (text.empty()) return;
        const int need = ruler_.Measure(button.TextFont(), text, 0).cx;
        Report(button, text, need, button.Width() - 2 * kButtonMargin, "pixels of width");
    }

    void CheckGroupTitle(ui::GroupBox& group) {
        const std::wstring text = group.Caption();
        if (text.empty()) return;
        const int need = ruler_.Measure(group.TextFont(), text, 0).cx + 2 * kGroupTitlePadding;
        Report(group, text, need, group.Width() - 2 * kGroupTitleIndent, "pixels of width");
    }

    // A fixed note may need scrolling, but it takes no more lines, wrapped as the box wraps
    // them, than the English note does, or than the box shows.
    void CheckNote(ui::Memo& memo) {
        if (!memo.ReadOnly() || !memo.Handle()) return;
        const HWND window = memo.Handle();
        const int lines = static_cast<int>(SendMessageW(window, EM_GETLINECOUNT, 0, 0));
        const std::wstring text = memo.Lines().Text();
        RECT format{};
        SendMessageW(window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const int lineHeight = ruler_.Measure(memo.TextFont(), L"Xg", 0).cy;
        const int shown = (format.bottom - format.top) / std::max(lineHeight, 1);
        if (native_) {
            noteLines_[Where(memo)] = lines;
            return;
        }
        const auto english = noteLines_.find(Where(memo));
        if (english != noteLines_.end()) Report(memo, text, lines, std::max(shown, english->second), "lines");
    }

    std::string form_;
    std::vector<Misfit>& misfits_;
    std::map<std::string, int>& noteLines_;
    bool native_;
    Ruler ruler_;
};

// The installed copy's language files, turned into modules in a folder of the test's own.
class TranslatedCaptions : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        testing_support::InitializeKit();
        controls::RegisterDisplayComponents();
        wizards::RegisterWizardComponents();
    }

    void SetUp() override {
        const std::wstring unique = L"captions_fit_" + std::to_wstring(GetCurrentProcessId());
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        moduleFolder_ = std::wstring(temp) + unique + L"\\";
        CreateDirectoryW(moduleFolder_.c_str(), nullptr);
        key_ = L"Software\\TesslyTests\\" + unique;
        product_ = testing_support::ProductFolder();
        localizer_ = std::make_unique<localizer::KLocalizerOnFly>();
        localizer_->ProgramFile = product_ + L"TesslyMBCfg.exe";
        localizer_->ModuleFolder = moduleFolder_;
        localizer_->Init(key_, product_ + L"lang\\");
    }

    void TearDown() override {
        localizer_.reset();
        platform::SetResourceSource(nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((moduleFolder_ + L"*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do DeleteFileW((moduleFolder_ + found.cFileName).c_str());
            while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(moduleFolder_.c_str());
    }

    // Builds every window from the current resource source and checks its captions.
    std::vector<Misfit> CheckEveryForm(bool native) {
        std::vector<Misfit> misfits;
        for (const std::string& name : ProgramForms()) {
            const std::string className = "T" + name;
            ui::FormFactory factory = ui::FindFormClass(className);
            if (!factory) {
                misfits.push_back({name, "", "no form class"});
                continue;
            }
            auto form = factory();
            ui::BuildForm(*form, ui::FormResource(className));
            form->HandleNeeded();
            CaptionFit(name, misfits, noteLines_, native).Check(*form);
        }
        return misfits;
    }

    void CheckLanguage(const char* abbreviation) {
        platform::SetResourceSource(english_.Get());
        CheckEveryForm(true);  // the English notes' line counts
        localizer_->SwitchLanguage(abbreviation);
        ASSERT_NE(platform::ResourceSource(), english_.Get());
        const std::vector<Misfit> misfits = CheckEveryForm(false);
        for (const Misfit& misfit : misfits)
            ADD_FAILURE() << abbreviation << " " << misfit.where << " \"" << misfit.text << "\": " << misfit.what;
        EXPECT_TRUE(misfits.empty());
    }

    std::wstring product_, moduleFolder_, key_;
    std::unique_ptr<localizer::KLocalizerOnFly> localizer_;
    std::map<std::string, int> noteLines_;
    EnglishProgram english_;
};

// The English windows themselves are the measure: they pass the same check.
TEST_F(TranslatedCaptions, EnglishCaptionsFitTheirControls) {
    ASSERT_NE(english_.Get(), nullptr);
    platform::SetResourceSource(english_.Get());
    const std::vector<Misfit> misfits = CheckEveryForm(true);
    for (const Misfit& misfit : misfits) ADD_FAILURE() << misfit.where << " \"" << misfit.text << "\": " << misfit.what;
}

TEST_F(TranslatedCaptions, GermanCaptionsFitTheirControls) { CheckLanguage("DEU"); }
TEST_F(TranslatedCaptions, RussianCaptionsFitTheirControls) { CheckLanguage("RUS"); }
TEST_F(TranslatedCaptions, FrenchCaptionsFitTheirControls) { CheckLanguage("FRA"); }

}  // namespace
