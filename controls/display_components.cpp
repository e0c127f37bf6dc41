#include "controls/display_components.h"

#include "controls/file_version_info.h"
#include "controls/lcd_screen.h"
#include "controls/msc_graph.h"
#include "controls/text_fader.h"
#include "ui/component_classes.h"

namespace controls {

void RegisterDisplayComponents() {
    ui::RegisterComponentClass<Tmsc_graph>("Tmsc_graph");
    ui::RegisterComponentClass<TLCDScreen>("TLCDScreen");
    ui::RegisterComponentClass<TTextFader>("TTextFader");
    ui::RegisterComponentClass<TgsFileVersionInfo>("TgsFileVersionInfo");
}

}  // namespace controls
