#pragma once

#include <QtGlobal>
#include <optional>

namespace kv::cli {

class CliContext;

// The --address option as the address byte of the check-byte frames; nothing (after
// the usage text) when it is not a whole number from 0 to 255.
std::optional<quint8> DeviceAddressByte(CliContext& ctx);

} // namespace kv::cli
