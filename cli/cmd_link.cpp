// kvctl port, baud and raw: the serial strip's two handlers and a serial debugging aid.

#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "link/baud.h"
#include "link/line_session.h"
#include "link/port_map.h"
#include "link/port_operation.h"
#include "text/operator_text.h"

#include <QRegularExpression>

namespace kv::cli {

int RunPort(CliContext& ctx, const QStringList& args)
{
    if (args.size() != 1)
        return ctx.usage();
    int index = 0;
    if (args.first() != QLatin1String("off")) {
        const auto k = PortChoiceNamed(args.first());
        if (!k || *k == 0)
            return ctx.usage(QStringLiteral("port COMk|off   (k from 1 to 12)"));
        index = *k;
    }
    const Outcome outcome = ctx.portChoice->selectPort(index, ctx.prompter, ChoiceEffect::Apply);
    PrintOut(ctx.portChoice->statusText());
    return ctx.finish(outcome);
}

int RunBaud(CliContext& ctx, const QStringList& args)
{
    const int index = args.size() == 1 ? BaudIndexOf(args.first()) : -1;
    if (index < 0)
        return ctx.usage(QStringLiteral("baud 1200|2400|4800|9600|19200|38400|57600|115200"));
    const Outcome outcome = ctx.portChoice->selectBaud(index, ctx.prompter, ChoiceEffect::Apply);
    PrintOut(ctx.portChoice->statusText());
    return ctx.finish(outcome);
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

// The reply wait counts its bytes in 16 bits.
constexpr int kLongestRawReply = 65535;
// Long enough for any unit; the wait bounds the silence between bytes, not the reply.
constexpr int kLongestRawTimeoutMs = 3600000;
} // namespace

int RunRaw(CliContext& ctx, const QStringList& args)
{
    const QString usage = QStringLiteral("raw HEX... [--reply N] [--timeout MS]   (N from 1 to %1, MS from 0 to %2)")
                              .arg(kLongestRawReply)
                              .arg(kLongestRawTimeoutMs);
    CommandOptions options({}, {QStringLiteral("reply"), QStringLiteral("timeout")});
    if (!options.parse(args))
        return ctx.usage(usage);
    std::optional<int> reply;
    int replyBytes = 0;
    int timeoutMs = 1500;
    if (!options.readNumber(QStringLiteral("reply"), 1, kLongestRawReply, replyBytes)
        || !options.readNumber(QStringLiteral("timeout"), 0, kLongestRawTimeoutMs, timeoutMs))
        return ctx.usage(usage, options.problem());
    if (options.isSet(QStringLiteral("reply")))
        reply = replyBytes;
    const auto bytes = parseHex(options.positional());
    if (!bytes)
        return ctx.usage(usage);

    bool gotReply = true;
    Outcome answer = Outcome::Done();
    const Outcome ran = RunOnPort(*ctx.link, ctx.prompter, [&](LineSession& session) {
        if (reply) {
            const Reply result = session.request({*bytes, *reply, timeoutMs});
            if (!result.cancelled())
                PrintOut(ReplyText(result));
            gotReply = result.ok();
        } else {
            session.write(*bytes);
        }
        session.closeLine();
        // A wait the operator cancelled is reported once the command returns.
        if (!gotReply && !ctx.prompter.cancelFlag().requested())
            answer = Fail(ctx.prompter,
                          Text::tr("没有收到%1字节的应答（静默超过%2毫秒，或字节过多）").arg(*reply).arg(timeoutMs));
    });
    return ctx.finish(ran.done() ? answer : ran);
}

} // namespace kv::cli
