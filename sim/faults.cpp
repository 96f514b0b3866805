#include "sim/faults.h"

#include <QStringList>

namespace kv::sim {

namespace {

bool kindTakesMilliseconds(const QString& kind)
{
    return kind == QLatin1String("late") || kind == QLatin1String("split");
}

bool kindIsKnown(const QString& kind)
{
    static const QStringList kinds{QStringLiteral("silent"), QStringLiteral("late"),
                                   QStringLiteral("short"), QStringLiteral("long"),
                                   QStringLiteral("badcheck"), QStringLiteral("otheraddr"),
                                   QStringLiteral("split")};
    return kinds.contains(kind);
}

} // namespace

bool ParseFaultSwitch(const QString& text, FaultSwitch& out, QString& error)
{
    QString rest = text;
    FaultSwitch fault;
    const qsizetype at = rest.indexOf(QLatin1Char('@'));
    if (at >= 0) {
        bool ok = false;
        fault.address = rest.mid(at + 1).toInt(&ok);
        if (!ok || fault.address < 0 || fault.address > 254) {
            error = QStringLiteral("bad unit address in fault '%1'").arg(text);
            return false;
        }
        rest = rest.left(at);
    }
    const qsizetype eq = rest.indexOf(QLatin1Char('='));
    fault.kind = eq >= 0 ? rest.left(eq) : rest;
    if (!kindIsKnown(fault.kind)) {
        error = QStringLiteral("unknown fault '%1'").arg(fault.kind);
        return false;
    }
    if (kindTakesMilliseconds(fault.kind)) {
        bool ok = false;
        fault.argument = eq >= 0 ? rest.mid(eq + 1).toInt(&ok) : 0;
        if (!ok || fault.argument < 0 || fault.argument > 600000) {
            error = QStringLiteral("fault '%1' needs milliseconds, as in %1=50").arg(fault.kind);
            return false;
        }
    } else if (eq >= 0) {
        error = QStringLiteral("fault '%1' takes no value").arg(fault.kind);
        return false;
    }
    out = fault;
    return true;
}

void ApplyFaultSwitch(Faults& faults, const FaultSwitch& fault)
{
    if (fault.kind == QLatin1String("silent"))
        faults.silent = true;
    else if (fault.kind == QLatin1String("late"))
        faults.lateMs = fault.argument;
    else if (fault.kind == QLatin1String("short"))
        faults.dropLastByte = true;
    else if (fault.kind == QLatin1String("long"))
        faults.extraByte = true;
    else if (fault.kind == QLatin1String("badcheck"))
        faults.badCheck = true;
    else if (fault.kind == QLatin1String("otheraddr"))
        faults.otherAddress = true;
    else if (fault.kind == QLatin1String("split"))
        faults.splitMs = fault.argument;
}

Reply ApplyContentFaults(Reply reply, const Faults& faults)
{
    if (faults.silent || reply.empty())
        return {};
    QByteArray& last = reply.parts.last();
    if (faults.badCheck && !last.isEmpty())
        last[last.size() - 1] = static_cast<char>(last.back() ^ 0xFF);
    if (faults.dropLastByte && !last.isEmpty())
        last.chop(1);
    if (faults.extraByte)
        last.append('\0');
    return reply;
}

} // namespace kv::sim
