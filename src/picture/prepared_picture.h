#pragma once

#include "base/outcome.h"
#include "picture/dot_matrix.h"

#include <QImage>
#include <optional>

namespace kv {

// A picture made ready for a send: the surface as it was drawn or loaded, which the
// operator sees also when a limit refuses it, and the packed matrix, which only a
// picture within its limits has. The surface is null when nothing was drawn or loaded.
// Without the matrix, refusal says why: the limit or load failure shown, or the
// operator's cancel of the file choice.
struct PreparedPicture {
    QImage surface;
    std::optional<PackedPicture> packed;
    Outcome refusal = Outcome::Cancelled();
};

} // namespace kv
