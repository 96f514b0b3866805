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
        {"send", RunSend, "send MODE [--append] [--text T | --text-file F] [--entry N] [--timer S] [--power-on] ...",
         FontUse::StaticSendModes},
        {"page", RunPage, "page logo-text|static-text|logo-picture|static-picture download|change-params ...",
         FontUse::Always},
        {"scroll-params", RunScrollParams,
         "scroll-params [--count I] [--vpos N] [--brightness I] [--background I] [--bar-above I] [--bar-below I] "
         "[--speed I] [--hoffset I] [--video I] [--interval S] [--save]"},
        {"status", RunStatus, "status   (with --target ADDR)"},
        {"font", RunFont, "font export-c|convert|read|write|write-char|verify|download|fingerprint ..."},
        {"reset", RunReset, "reset"},
        {"menu", RunMenu, "menu N [ADDR|ENTRY]"},
        {"display-item", RunDisplayItem, "display-item ENTRY"},
        {"test", RunTest, "test chars CODES|attribute A [--row R] [--column C] | first128|last128 | clear LINE|all | hoffset H|voffset V"},
        {"video-mode", RunVideoMode, "video-mode M [--store]"},
        {"screen-settings", RunScreenSettings, "screen-settings [--hoffset H] [--voffset V] [--shape S] [--row R] [--column C]"},
        {"crosshair", RunCrosshair, "crosshair up|down|get"},
        {"picture-text", RunPictureText,
         "picture-text SEND-TEXT [--font NAME] [--size S] [--bold] [--vadjust V] [--filter-noise] [--power-on] "
         "[--preview PNG]",
         FontUse::Always},
        {"picture-message", RunPictureMessage, "picture-message N FILE [--small] [--power-on]", FontUse::Always},
        {"shortcut", RunShortcut, "shortcut save N [--small] [--power-on] SEGMENT... | shortcut list"},
        {"decode", nullptr, "decode HEX... | --file F", FontUse::None, RunDecode},
    };
    return commands;
}

} // namespace kv::cli
