#pragma once

#include <QStringList>

namespace kv::cli {

class CliContext;

// One function per command group; each returns the exit status (0 ran to its end,
// 1 stopped with a message, 2 usage error).
int RunPort(CliContext& ctx, const QStringList& args);
int RunBaud(CliContext& ctx, const QStringList& args);
int RunRaw(CliContext& ctx, const QStringList& args);
int RunQueue(CliContext& ctx, const QStringList& args);
int RunPlayStored(CliContext& ctx, const QStringList& args);
int RunIdentity(CliContext& ctx, const QStringList& args);
int RunModifyIdentity(CliContext& ctx, const QStringList& args);
int RunProductNumber(CliContext& ctx, const QStringList& args);
int RunWriteAddress(CliContext& ctx, const QStringList& args);
int RunScan(CliContext& ctx, const QStringList& args);
int RunSend(CliContext& ctx, const QStringList& args);
// The static modes 5 to 9 of kvctl send.
int RunSendStatic(CliContext& ctx, int mode, const QStringList& args);
int RunPage(CliContext& ctx, const QStringList& args);
int RunScrollParams(CliContext& ctx, const QStringList& args);
int RunStatus(CliContext& ctx, const QStringList& args);
int RunFont(CliContext& ctx, const QStringList& args);
int RunReset(CliContext& ctx, const QStringList& args);
int RunMenu(CliContext& ctx, const QStringList& args);
int RunDisplayItem(CliContext& ctx, const QStringList& args);
int RunTest(CliContext& ctx, const QStringList& args);
int RunVideoMode(CliContext& ctx, const QStringList& args);
int RunScreenSettings(CliContext& ctx, const QStringList& args);
int RunCrosshair(CliContext& ctx, const QStringList& args);
int RunShortcut(CliContext& ctx, const QStringList& args);
int RunPictureText(CliContext& ctx, const QStringList& args);
int RunPictureMessage(CliContext& ctx, const QStringList& args);
// Needs no port and no application folder: it only reads what it is given.
int RunDecode(const QStringList& args);

// What a command needs of Qt's font system, which only a GUI application brings up.
enum class FontUse {
    None,
    Always,          // draws text, or reads settings that name a font of the machine
    StaticSendModes, // only in the static send modes 6 to 9
};

struct Command {
    const char* name;
    int (*run)(CliContext&, const QStringList&);
    // The command's line of kvctl's usage text, and its usage text where it says no more.
    const char* usage;
    FontUse fonts = FontUse::None;
    // A command that touches neither the line nor the application folder runs before
    // either is set up, so it leaves no files behind.
    int (*runAlone)(const QStringList&) = nullptr;
};

// Prints the usage text of a command to standard error; returns 2.
int PrintUsage(const QString& text);

// The commands kvctl knows, in the order the usage text lists them.
const QList<Command>& Commands();

} // namespace kv::cli
