#pragma once
#include "controls/dib_surface.h"

namespace controls {

// Stretches all of `source` onto all of `target` the way the platform's default stretch
// mode does: enlarging repeats pixels, shrinking ANDs together the pixels that fall onto
// one, so thin dark lines (grid, series lines) survive in a smaller output. Works on the
// packed pixels directly: the general-purpose GDI stretch costs several times more, and
// this copy runs on every chart tick.
void StretchSurface(const DibSurface& source, DibSurface& target);

}  // namespace controls
