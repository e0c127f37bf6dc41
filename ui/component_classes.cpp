#include "ui/component_classes.h"

#include <map>
#include <string>

#include "ui/action_list.h"
#include "ui/application_events.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/list_box.h"
#include "ui/hot_key.h"
#include "ui/open_dialog.h"
#include "ui/page_control.h"
#include "ui/spin_edit.h"
#include "ui/timer.h"
#include "ui/tool_bar.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/image.h"
#include "ui/image_list.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/status_bar.h"
#include "ui/text_compare.h"

namespace ui {
namespace {

std::map<std::string, ComponentFactory>& Classes() {
    static std::map<std::string, ComponentFactory> classes = [] {
        std::map<std::string, ComponentFactory> kit;
        auto add = [&kit]<class T>(const char* name) {
            kit[UpperCase(name)] = [](Component* owner) -> Component* { return new T(owner); };
        };
        add.operator()<Button>("TButton");
        add.operator()<CheckBox>("TCheckBox");
        add.operator()<RadioButton>("TRadioButton");
        add.operator()<Label>("TLabel");
        add.operator()<Edit>("TEdit");
        add.operator()<Memo>("TMemo");
        add.operator()<GroupBox>("TGroupBox");
        add.operator()<Panel>("TPanel");
        add.operator()<Image>("TImage");
        add.operator()<ImageList>("TImageList");
        add.operator()<MainMenu>("TMainMenu");
        add.operator()<PopupMenu>("TPopupMenu");
        add.operator()<MenuItem>("TMenuItem");
        add.operator()<StatusBar>("TStatusBar");
        add.operator()<PageControl>("TPageControl");
        add.operator()<TabSheet>("TTabSheet");
        add.operator()<SpinEdit>("TSpinEdit");
        add.operator()<HotKey>("THotKey");
        add.operator()<ComboBox>("TComboBox");
        add.operator()<ColorBox>("TColorBox");
        add.operator()<ListBox>("TListBox");
        add.operator()<ToolBar>("TToolBar");
        add.operator()<ToolButton>("TToolButton");
        add.operator()<Timer>("TTimer");
        add.operator()<ActionList>("TActionList");
        add.operator()<Action>("TAction");
        add.operator()<ApplicationEvents>("TApplicationEvents");
        add.operator()<OpenDialog>("TOpenDialog");
        return kit;
    }();
    return classes;
}

}  // namespace

void RegisterComponentClass(std::string_view className, ComponentFactory factory) {
    Classes()[UpperCase(className)] = std::move(factory);
}

const ComponentFactory* FindComponentClass(std::string_view className) {
    auto it = Classes().find(UpperCase(className));
    return it == Classes().end() ? nullptr : &it->second;
}

}  // namespace ui
