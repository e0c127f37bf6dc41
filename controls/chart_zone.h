#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <vector>

namespace controls {

// A shade strip: a column one pixel wide, one colour per row, held as the chart's 16-bit
// surfaces store them.
using ShadeStrip = std::vector<COLORREF>;

// A coloured area of the chart: 1 above the upper line, 2 between the lines (below a
// single line), 3 below the lower line. The owner sets the colour; the shade strips exist
// only while a draw runs.
struct Tmsc_zone {
    COLORREF color = 0;
    std::optional<ShadeStrip> light_strip;
    std::optional<ShadeStrip> dark_strip;
};

using ZoneArray = std::array<Tmsc_zone, 3>;

// Paints the shade strips of the first `count` zones (`depth` rows each) and frees them
// again when it goes out of scope, whatever happens on the way.
class ShadeStrips {
public:
    ShadeStrips(ZoneArray& zones, int count, int depth);
    ~ShadeStrips();
    ShadeStrips(const ShadeStrips&) = delete;
    ShadeStrips& operator=(const ShadeStrips&) = delete;

private:
    void Release();

    ZoneArray& zones_;
};

}  // namespace controls
