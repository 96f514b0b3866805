// kvctl port, baud and raw: the serial strip's two handlers and a serial debugging aid.

#include "cli_context.h"
#include "commands.h"
#include "link/baud.h"
#include "link/port_map.h"

#include <QRegularExpression>

namespace kv::cli {

int RunPort(CliContext& ctx, const QStringList& args)
{
    static const QRegularExpression comName(QStringLiteral("^COM(\\d+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (args.size() != 1)
        return ctx.usage(QStringLiteral("port COMk|off"));
    int index = 0;
    if (args.first() != QLatin1String("off")) {
        const auto match = comName.match(args.first());
        index = match.hasMatch() ? match.captured(1).toInt() : -1;
        if (index < 1 || index >= kPortChoices)
            return ctx.usage(QStringLiteral("port COMk|off   (k from 1 to 12)"));
    }
    ctx.link->selectPort(index, ctx.prompter);
    PrintOut(ctx.link->statusText());
    return ctx.exitStatus();
}

int RunBaud(CliContext& ctx, const QStringList& args)
{
    const int index = args.size() == 1 ? BaudIndexOf(args.first()) : -1;
    if (index < 0)
        return ctx.usage(QStringLiteral("baud 1200|2400|4800|9600|19200|38400|57600|115200"));
    ctx.link->selectBaud(index, ctx.prompter);
    PrintOut(ctx.link->statusText());
    return ctx.exitStatus();
}

namespace {
std::optional<QByteArray> parseHex(const QStringList& words)
{
    QString digits = words.join(QString());
    digits.remove(QLatin1Char(' '));
    static const QRegularExpression hex(QStringLiteral("^([0-9A-Fa-f]{2})+$"));
    if (!hex.match(digits).hasMatch())
        return std::nullopt;
    return QByteArray::fromHex(digits.toLatin1());
}

std::optional<int> wholeNumber(const QString& text, int minimum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum)
        return std::nullopt;
    return value;
}
} // namespace

int RunRaw(CliContext& ctx, const QStringList& args)
{
    const QString usage = QStringLiteral("raw HEX... [--reply N] [--timeout MS]");
    QStringList hexWords;
    std::optional<int> reply;
    int timeoutMs = 1500;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--reply") || arg == QLatin1String("--timeout")) {
            const auto value = i + 1 < args.size() ? wholeNumber(args.at(i + 1), arg == QLatin1String("--reply") ? 1 : 0)
                                                   : std::nullopt;
            if (!value)
                return ctx.usage(usage);
            if (arg == QLatin1String("--reply"))
                reply = *value;
            else
                timeoutMs = *value;
            ++i;
        } else {
            hexWords << arg;
        }
    }
    const auto bytes = parseHex(hexWords);
    if (!bytes)
        return ctx.usage(usage);

    Link& link = *ctx.link;
    bool gotReply = true;
    try {
        link.ensurePortOpen();
        link.write(*bytes);
        link.drainOutput();
        if (reply) {
            const Reply result = link.waitReply(*reply, timeoutMs);
            if (!result.cancelled())
                PrintOut(ReplyText(result));
            gotReply = result.ok();
        }
        link.closePort();
    } catch (const CommError& error) {
        link.closePort();
        link.showCommError(ctx.prompter, error);
        return 1;
    }
    return gotReply ? ctx.exitStatus() : 1;
}

} // namespace kv::cli
