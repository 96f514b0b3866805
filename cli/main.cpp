// kvctl: the tool's operations from the command line, for scripts, automation and
// acceptance tests. It runs the same operations as the window and shows the same texts.

#include "cli_context.h"
#include "commands.h"
#include "interrupt.h"
#include "app/language_setup.h"
#include "base/app_folder.h"
#include "link/network_address.h"
#include "text/operator_text.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <QDir>
#include <csignal>

using namespace kv::cli;

namespace {

QString globalUsage()
{
    QString text = QStringLiteral(
        "usage: kvctl [--dir DIR] [--port COMk|PATH|rfc2217://HOST:PORT|socket://HOST:PORT] [--baud RATE]\n"
        "             [--target broadcast|queue|ADDR] [--address N] [--yes] [--log FILE] [--lang zh|en]\n"
        "             COMMAND [arguments]\n"
        "commands:");
    for (const Command& command : Commands())
        text += QStringLiteral("\n  ") + QString::fromUtf8(command.usage);
    return text;
}

// Takes the global options out of the arguments, wherever they stand; what is left is
// the command and its own arguments. False on a global option without its value.
bool takeGlobalOptions(QStringList& args, GlobalOptions& options)
{
    const QList<std::pair<QString, QString*>> valued = {
        {QStringLiteral("--dir"), &options.dir},       {QStringLiteral("--port"), &options.port},
        {QStringLiteral("--baud"), &options.baud},     {QStringLiteral("--target"), &options.target},
        {QStringLiteral("--address"), &options.address}, {QStringLiteral("--log"), &options.log},
        {QStringLiteral("--lang"), &options.lang},
    };
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--yes")) {
            options.yes = true;
            continue;
        }
        bool taken = false;
        for (const auto& [name, value] : valued) {
            if (arg == name) {
                if (i + 1 >= args.size())
                    return false;
                *value = args.at(++i);
                taken = true;
                break;
            }
            if (arg.startsWith(name + QLatin1Char('='))) {
                *value = arg.mid(name.size() + 1);
                taken = true;
                break;
            }
        }
        if (!taken)
            rest << arg;
    }
    args = rest;
    return true;
}

// Drawing text, and the settings records that name a font by its place in the
// machine's font list, need Qt's font system, which only a GUI application brings up,
// on the offscreen platform when no other is asked for. The other commands start faster
// without it. A word of the command line that only looks like such a command costs
// start-up time, nothing else.
bool usesFonts(int argc, char** argv)
{
    static const QByteArrayList staticModes{"6", "7", "8", "9"};
    for (int i = 1; i < argc; ++i) {
        const QByteArray word(argv[i]);
        const bool staticMode = i + 1 < argc && staticModes.contains(QByteArray(argv[i + 1]));
        for (const Command& command : Commands()) {
            if (word == command.name
                && (command.fonts == FontUse::Always || (command.fonts == FontUse::StaticSendModes && staticMode)))
                return true;
        }
    }
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    // Standard error carries the operation's own messages, which scripts read; Qt's
    // notes about the platform (no runtime folder on a server, say) are not among them.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (!usesFonts(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The language of the run's texts: --lang, else KV_LANG, else the choice saved in the
// application folder (the window's), else Chinese. A word that names neither language
// is refused before anything runs.
bool installChosenLanguage(QCoreApplication& app, const GlobalOptions& options)
{
    const QString given = !options.lang.isEmpty() ? options.lang : qEnvironmentVariable("KV_LANG");
    kv::Language language = kv::Language::Chinese;
    if (!given.isEmpty()) {
        const auto parsed = kv::ParseLanguage(given);
        if (!parsed) {
            PrintErr(QStringLiteral("--lang / KV_LANG: zh or en, not ") + given);
            return false;
        }
        language = *parsed;
    } else {
        language = kv::SavedLanguage(kv::AppFolder(AppFolderRoot(options)));
    }
    kv::InstallLanguage(app, language);
    return true;
}

} // namespace

constexpr int kInterruptedStatus = 128 + SIGINT;

int main(int argc, char** argv)
{
    const auto app = makeApplication(argc, argv);
    QStringList args = app->arguments().mid(1);
    GlobalOptions options;
    if (!takeGlobalOptions(args, options) || args.isEmpty()) {
        PrintErr(globalUsage());
        return 2;
    }
    if (!installChosenLanguage(*app, options)) {
        PrintErr(globalUsage());
        return 2;
    }
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("help")) {
        PrintOut(globalUsage());
        return 0;
    }
    const QString name = args.takeFirst();
    for (const Command& command : Commands()) {
        if (name == QLatin1String(command.name)) {
            if (command.runAlone)
                return command.runAlone(args);
            if (!options.dir.isEmpty() && !QDir().mkpath(options.dir)) {
                PrintErr(kv::Text::tr("无法创建应用文件夹 %1").arg(options.dir));
                return 1;
            }
            if (kv::IsNetworkPortName(options.port)) {
                const QString problem = kv::ParseNetworkAddress(options.port).problem;
                if (!problem.isEmpty()) {
                    PrintErr(problem);
                    return PrintUsage(QStringLiteral("--port rfc2217://HOST:PORT|socket://HOST:PORT ..."));
                }
            }
            CliContext ctx(options, QString::fromUtf8(command.usage));
            const InterruptCancels interrupts(ctx.prompter.cancelFlag());
            if (!ctx.prepare())
                return 1;
            const int status = command.run(ctx, args);
            // A run the operator stopped with Ctrl+C ends as shells expect of an interrupt.
            if (ctx.prompter.cancelFlag().requested()) {
                PrintErr(kv::Text::tr("已取消"));
                return kInterruptedStatus;
            }
            return status;
        }
    }
    PrintErr(QStringLiteral("unknown command: ") + name);
    PrintErr(globalUsage());
    return 2;
}
