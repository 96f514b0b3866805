#include "sim/options.h"

#include "decode/baud_rates.h"

#include <algorithm>

namespace kv::sim {

namespace {

bool parseUnit(const QString& text, UnitOption& unit, QString& error)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    bool ok = false;
    unit.address = parts.value(0).toInt(&ok);
    if (!ok || unit.address < 1 || unit.address > 254 || parts.size() > 3) {
        error = QStringLiteral("bad unit '%1': use ADDR[:BAUD[:PRODUCTHEX]], ADDR 1-254").arg(text);
        return false;
    }
    if (parts.size() > 1) {
        unit.baud = parts.at(1).toInt(&ok);
        if (!ok || !IsUnitBaud(unit.baud)) {
            error = QStringLiteral("bad baud rate in unit '%1'").arg(text);
            return false;
        }
    }
    unit.product = DefaultProduct(unit.address);
    if (parts.size() > 2) {
        const QString hex = parts.at(2);
        const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
        if (hex.size() != 8 || bytes.size() != 4 || bytes.toHex().compare(hex.toLatin1(), Qt::CaseInsensitive) != 0) {
            error = QStringLiteral("bad product number in unit '%1': eight hex digits").arg(text);
            return false;
        }
        unit.product = bytes;
    }
    return true;
}

} // namespace

QByteArray DefaultProduct(int address)
{
    QByteArray product = QByteArray::fromHex("12345600");
    product[3] = static_cast<char>((0x77 + address) & 0xFF);
    return product;
}

bool ParseOptions(const QStringList& args, Options& options, QString& error)
{
    Options result;
    // The options that name a file or folder.
    const QList<std::pair<QLatin1String, QString*>> paths = {
        {QLatin1String("--link"), &result.linkPath},   {QLatin1String("--state"), &result.statePath},
        {QLatin1String("--log"), &result.logPath},     {QLatin1String("--font"), &result.fontPath},
        {QLatin1String("--store"), &result.storePath}, {QLatin1String("--pictures"), &result.picturesPath},
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        auto value = [&](QString& into) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            into = args.at(++i);
            return true;
        };
        const auto path = std::find_if(paths.begin(), paths.end(), [&](const auto& p) { return arg == p.first; });
        QString text;
        if (path != paths.end()) {
            if (!value(*path->second))
                return false;
        } else if (arg == QLatin1String("--turnaround")) {
            bool ok = false;
            if (!value(text))
                return false;
            result.turnaroundMs = text.toInt(&ok);
            if (!ok || result.turnaroundMs < 0 || result.turnaroundMs > 60000) {
                error = QStringLiteral("bad turnaround '%1': milliseconds 0-60000").arg(text);
                return false;
            }
        } else if (arg == QLatin1String("--pace")) {
            result.pace = true;
        } else if (arg == QLatin1String("--unit")) {
            UnitOption unit;
            if (!value(text) || !parseUnit(text, unit, error))
                return false;
            result.units.append(unit);
        } else if (arg == QLatin1String("--fault")) {
            FaultSwitch fault;
            if (!value(text) || !ParseFaultSwitch(text, fault, error))
                return false;
            result.faults.append(fault);
        } else {
            error = QStringLiteral("unknown argument '%1'").arg(arg);
            return false;
        }
    }
    if (result.linkPath.isEmpty()) {
        error = QStringLiteral("--link PATH is required");
        return false;
    }
    if (result.units.isEmpty())
        result.units.append(UnitOption{1, 9600, DefaultProduct(1)});
    options = result;
    return true;
}

QString UsageText()
{
    return QStringLiteral(
        "usage: kvsim --link PATH [--unit ADDR[:BAUD[:PRODUCTHEX]]]... [--store FILE]\n"
        "             [--state FILE] [--log FILE] [--pictures DIR] [--pace] [--turnaround MS]\n"
        "             [--font FILE] [--fault KIND[=ARG][@ADDR]]...\n"
        "  --link PATH   symbolic link to the simulated line's terminal side\n"
        "  --unit        a unit on the line (default: address 1 at 9600 baud)\n"
        "  --store FILE  the units' non-volatile settings (address, rate, product number,\n"
        "                font, stored messages, power-on settings, video mode, screen\n"
        "                settings), kept across restarts: the n-th --unit comes up with\n"
        "                the n-th stored unit's settings; rewritten when one changes\n"
        "  --state FILE  every unit's state as JSON, rewritten after each command\n"
        "  --log FILE    every frame received and every reply sent\n"
        "  --pictures DIR  every picture a unit receives to show, as a PNG file named\n"
        "                by unit and purpose (unit1-logo.png, unit1-screen.png for the\n"
        "                character screen of the display tests), the latest kept\n"
        "  --pace        the line takes its real time, 10 bit times per byte\n"
        "  --turnaround MS  how long a unit takes before it answers (default 10)\n"
        "  --font FILE   the units' font, a 13824-byte font file (default hebingf.bin\n"
        "                beside kvsim when present)\n"
        "  --fault       silent, late=MS, short, long, badcheck, otheraddr, split=MS,\n"
        "                drop-ack=CODE[xN] (the first N acknowledgements of writing\n"
        "                character CODE are not sent), corrupt-char=CODE (the character\n"
        "                is stored with one bit changed); for every unit, or for the\n"
        "                unit at @ADDR (its address at start)\n");
}

} // namespace kv::sim
