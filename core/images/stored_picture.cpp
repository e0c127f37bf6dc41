#include "core/images/stored_picture.h"

#include <string_view>

#include "core/images/little_endian.h"

namespace images {

std::optional<StoredGraphic> SplitStoredPicture(std::span<const std::uint8_t> stored) {
    if (stored.empty() || stored[0] >= stored.size()) return std::nullopt;
    const std::string_view kind(reinterpret_cast<const char*>(stored.data() + 1), stored[0]);
    const auto body = stored.subspan(1 + stored[0]);
    if (kind == "TIcon") return StoredGraphic{GraphicKind::Icon, body};
    if (kind != "TBitmap" || body.size() < 4) return std::nullopt;
    const std::uint32_t size = U32At(body, 0);
    if (size > body.size() - 4) return std::nullopt;
    return StoredGraphic{GraphicKind::Bitmap, body.subspan(4, size)};
}

}  // namespace images
