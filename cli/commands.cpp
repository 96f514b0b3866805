#include "commands.h"

namespace kv::cli {

const QList<Command>& Commands()
{
    static const QList<Command> commands = {
        {"port", RunPort, "port COMk|off"},
        {"baud", RunBaud, "baud RATE"},
        {"raw", RunRaw, "raw HEX... [--reply N] [--timeout MS]"},
        {"queue", RunQueue, "queue list|add ADDR DESC|modify POS ADDR DESC|delete POS|tick POS on|off"},
        {"play-stored", RunPlayStored, "play-stored power-on|N"},
        {"identity", RunIdentity, "identity"},
        {"modify-identity", RunModifyIdentity, "modify-identity RATE ADDR"},
        {"product-number", RunProductNumber, "product-number"},
        {"write-address", RunWriteAddress, "write-address ADDR"},
        {"scan", RunScan, "scan"},
    };
    return commands;
}

} // namespace kv::cli
