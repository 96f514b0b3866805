#include "commands.h"

namespace kv::cli {

const QList<Command>& Commands()
{
    static const QList<Command> commands = {
        {"port", RunPort, "port COMk|off"},
        {"baud", RunBaud, "baud RATE"},
        {"raw", RunRaw, "raw HEX... [--reply N] [--timeout MS]"},
    };
    return commands;
}

} // namespace kv::cli
