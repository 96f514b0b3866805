#pragma once

#include "picture/dot_matrix.h"

#include <QImage>
#include <optional>

namespace kv {

// A picture made ready for a send: the surface as it was drawn or loaded, which the
// operator sees also when a limit refuses it, and the packed matrix, which only a
// picture within its limits has. The surface is null when nothing was drawn or loaded.
struct PreparedPicture {
    QImage surface;
    std::optional<PackedPicture> packed;
};

} // namespace kv
