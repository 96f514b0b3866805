#include "device_address.h"

#include "cli_context.h"

namespace kv::cli {

std::optional<quint8> DeviceAddressByte(CliContext& ctx)
{
    bool ok = false;
    const int value = ctx.deviceAddress().trimmed().toInt(&ok);
    if (!ok || value < 0 || value > 255) {
        ctx.usage(QStringLiteral("--address N   (N from 0 to 255)"));
        return std::nullopt;
    }
    return static_cast<quint8>(value);
}

} // namespace kv::cli
