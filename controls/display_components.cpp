#include "controls/display_components.h"

#include "controls/msc_graph.h"
#include "ui/component_classes.h"

namespace controls {

void RegisterDisplayComponents() { ui::RegisterComponentClass<Tmsc_graph>("Tmsc_graph"); }

}  // namespace controls
