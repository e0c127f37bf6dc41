#include "controls/surface_stretch.h"

#include <algorithm>
#include <vector>

namespace controls {
namespace {

struct Span {
    int first;
    int end;
};

// Source pixels [first, end) that land on target pixel d when m source pixels map onto n.
Span SourceSpan(int d, int n, int m) {
    const int first = static_cast<int>(static_cast<long long>(d) * m / n);
    const int end = static_cast<int>(static_cast<long long>(d + 1) * m / n);
    return {first, std::max(end, first + 1)};
}

}  // namespace

void StretchSurface(const DibSurface& source, DibSurface& target) {
    const int sw = source.width(), sh = source.height();
    const int tw = target.width(), th = target.height();
    std::vector<Span> columns(static_cast<size_t>(tw));
    for (int x = 0; x < tw; ++x) columns[x] = SourceSpan(x, tw, sw);

    const DibSurface::PackedPixels from = source.Packed();
    const DibSurface::PackedPixels to = target.Packed();
    std::vector<std::uint16_t> merged(static_cast<size_t>(sw));
    Span previous{-1, -1};
    for (int y = 0; y < th; ++y) {
        const Span rows = SourceSpan(y, th, sh);
        std::uint16_t* out = to.Row(y);
        if (rows.first == previous.first && rows.end == previous.end) {
            // Enlarging: this row repeats the one above.
            std::copy_n(to.Row(y - 1), tw, out);
            continue;
        }
        previous = rows;
        std::copy_n(from.Row(rows.first), sw, merged.begin());
        for (int r = rows.first + 1; r < rows.end; ++r) {
            const std::uint16_t* row = from.Row(r);
            for (int x = 0; x < sw; ++x) merged[x] &= row[x];
        }
        for (int x = 0; x < tw; ++x) {
            std::uint16_t v = merged[columns[x].first];
            for (int c = columns[x].first + 1; c < columns[x].end; ++c) v &= merged[c];
            out[x] = v;
        }
    }
}

}  // namespace controls
