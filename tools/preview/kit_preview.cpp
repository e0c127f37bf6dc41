// Not a test: a window with one of each control of the kit, for looking at them.
#include <windows.h>

#include "core/forms/form_text.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"
#include "ui/image_list.h"
#include "ui/status_bar.h"

namespace {

class TKitPreview : public ui::Form {
    UI_FORM(TKitPreview)

    UI_FIELD(ui::StatusBar, StatusBar1);
    UI_FIELD(ui::ImageList, MenuImages);

    UI_HANDLER(ui::DrawPanelArgs, DrawPanel);
};

UI_DEFINE_FORM(TKitPreview, ui::Form);

void TKitPreview::DrawPanel(ui::DrawPanelArgs& a) {
    RECT done = a.rect;
    done.right = done.left + (done.right - done.left) * 6 / 10;
    FillRect(a.dc, &done, GetSysColorBrush(COLOR_HIGHLIGHT));
}

const char kDescription[] = R"(object KitPreview: TKitPreview
  Caption = 'Kit preview'
  ClientHeight = 330
  ClientWidth = 448
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Menu = MainMenu1
  Position = poScreenCenter
  object ToolBar1: TToolBar
    ButtonHeight = 36
    ButtonWidth = 70
    ShowCaptions = True
    object ToolButton1: TToolButton
      Caption = 'Quick boost'
    end
    object ToolButton2: TToolButton
      Caption = 'Diagrams'
      Style = tbsDropDown
      DropdownMenu = Popup1
    end
    object ToolButton3: TToolButton
      Caption = 'Disabled'
      Enabled = False
    end
  end
  object PageControl1: TPageControl
    Left = 8
    Top = 48
    Width = 432
    Height = 240
    object TabSheet1: TTabSheet
      Caption = 'General'
      object GroupBox1: TGroupBox
        Left = 8
        Top = 8
        Width = 200
        Height = 96
        Caption = 'Hotkeys'
        object Label1: TLabel
          Left = 8
          Top = 24
          Caption = 'Pause / Resume service'
        end
        object HotKey1: THotKey
          Left = 8
          Top = 40
          Width = 150
          HotKey = 49217
        end
        object Label2: TLabel
          Left = 8
          Top = 70
          Caption = 'Blue underlined'
          Cursor = crHandPoint
          Font.Color = clBlue
          Font.Style = [fsUnderline]
        end
      end
      object GroupBox2: TGroupBox
        Left = 216
        Top = 8
        Width = 200
        Height = 96
        Caption = 'Optimization'
        object CheckBox1: TCheckBox
          Left = 8
          Top = 20
          Width = 180
          Caption = 'Preventive'
          Checked = True
        end
        object RadioButton1: TRadioButton
          Left = 8
          Top = 44
          Width = 180
          Caption = 'Show memory usage'
          Checked = True
        end
        object RadioButton2: TRadioButton
          Left = 8
          Top = 66
          Width = 180
          Caption = 'Show processor usage'
        end
      end
      object SpinEdit1: TSpinEdit
        Left = 8
        Top = 116
        Width = 80
        MinValue = 8
        MaxValue = 96
        Value = 16
      end
      object ComboBox1: TComboBox
        Left = 100
        Top = 116
        Style = csDropDownList
        Items.Strings = (
          'Low (Fastest)'
          'Normal'
          'High (Slow)')
        ItemIndex = 1
      end
      object ColorBox1: TColorBox
        Left = 256
        Top = 116
        Selected = clLime
      end
      object Edit1: TEdit
        Left = 8
        Top = 150
        Text = 'An edit field'
      end
      object Panel1: TPanel
        Left = 140
        Top = 150
        Width = 270
        Height = 50
        BevelInner = bvRaised
        BevelOuter = bvLowered
        Caption = 'A panel with two bevels'
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'View'
    end
  end
  object StatusBar1: TStatusBar
    Panels = <
      item
        Style = psOwnerDraw
        Width = 120
      end
      item
        Text = 'Running'
        Width = 50
      end>
    OnDrawPanel = DrawPanel
  end
  object MenuImages: TImageList
  end
  object MainMenu1: TMainMenu
    Images = MenuImages
    object File1: TMenuItem
      Caption = '&File'
      object New1: TMenuItem
        Caption = '&New shortcut'
        ImageIndex = 0
      end
      object Run1: TMenuItem
        Caption = '&Run service'
        ImageIndex = 1
        Enabled = False
      end
      object Sep1: TMenuItem
        Caption = '-'
      end
      object Tile1: TMenuItem
        Caption = 'Tile &vertically'
        Checked = True
        RadioItem = True
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
      end
    end
    object View1: TMenuItem
      Caption = '&View'
    end
  end
  object Popup1: TPopupMenu
    object Tiled1: TMenuItem
      Caption = 'Tiled vertically'
      Checked = True
      RadioItem = True
    end
  end
end
)";

// Two 16 x 16 images side by side: a red and a green square on a magenta mask.
std::vector<std::uint8_t> SampleStrip() {
    const int w = 32, h = 16, stride = w * 3;
    std::vector<std::uint8_t> bmp(14 + 40 + static_cast<size_t>(stride * h));
    auto put32 = [&](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    bmp[26] = 1;
    bmp[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &bmp[54 + static_cast<size_t>(y * stride + x * 3)];
            bool inside = (x % 16) > 2 && (x % 16) < 13 && y > 2 && y < 13;
            COLORREF c = !inside ? RGB(255, 0, 255) : x < 16 ? RGB(200, 30, 30) : RGB(30, 160, 30);
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    return bmp;
}

void CALLBACK OpenFileMenu(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 'f');
}

}  // namespace

// With the argument "menu" the File menu opens by itself.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    testing_support::InitializeKit();
    TKitPreview form(nullptr);
    ui::LoadForm(form, forms::ParseFormText(kDescription));
    form.MenuImages->SetBitmapData(SampleStrip());
    form.HandleNeeded();
    if (lstrcmpiW(commandLine, L"menu") == 0) SetTimer(form.Handle(), 1, 500, OpenFileMenu);
    form.ShowModal();
    return 0;
}
