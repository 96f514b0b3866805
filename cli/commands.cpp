#include "commands.h"

namespace kv::cli {

const QList<Command>& Commands()
{
    static const QList<Command> commands = {
        {"port", RunPort, "port COMk|off"},
        {"baud", RunBaud, "baud RATE"},
        {"raw", RunRaw, "raw HEX... [--reply N] [--timeout MS]"},
        {"send", RunSend, "send MODE [--append] [--text T | --text-file F] [--entry N] [--timer S] [--power-on]"},
        {"scroll-params", RunScrollParams,
         "scroll-params [--count I] [--vpos N] [--brightness I] [--background I] [--bar-above I] [--bar-below I] "
         "[--speed I] [--hoffset I] [--video I] [--interval S] [--save]"},
        {"status", RunStatus, "status   (with --target ADDR)"},
    };
    return commands;
}

} // namespace kv::cli
