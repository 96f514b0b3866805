#include "sim/faults.h"

#include <QStringList>

namespace kv::sim {

namespace {

bool kindTakesMilliseconds(const QString& kind)
{
    return kind == QLatin1String("late") || kind == QLatin1String("split");
}

bool kindTakesCharacterCode(const QString& kind)
{
    return kind == QLatin1String("drop-ack") || kind == QLatin1String("corrupt-char");
}

bool kindIsKnown(const QString& kind)
{
    static const QStringList kinds{QStringLiteral("silent"),   QStringLiteral("late"),
                                   QStringLiteral("short"),    QStringLiteral("long"),
                                   QStringLiteral("badcheck"), QStringLiteral("otheraddr"),
                                   QStringLiteral("split"),    QStringLiteral("drop-ack"),
                                   QStringLiteral("corrupt-char")};
    return kinds.contains(kind);
}

// CODE, or CODE x N where the kind counts: a code 0 to 255 and a count from 1.
bool parseCharacterCode(const QString& text, bool counted, FaultSwitch& fault)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() > (counted ? 2 : 1))
        return false;
    bool ok = false;
    fault.argument = parts.first().toInt(&ok);
    if (!ok || fault.argument < 0 || fault.argument > 255)
        return false;
    if (parts.size() == 2) {
        fault.count = parts.last().toInt(&ok);
        return ok && fault.count >= 1;
    }
    return true;
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
    } else if (kindTakesCharacterCode(fault.kind)) {
        const bool counted = fault.kind == QLatin1String("drop-ack");
        if (eq < 0 || !parseCharacterCode(rest.mid(eq + 1), counted, fault)) {
            error = counted ? QStringLiteral("fault '%1' needs a character code, as in %1=100 or %1=100x2").arg(fault.kind)
                            : QStringLiteral("fault '%1' needs a character code, as in %1=100").arg(fault.kind);
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
    else if (fault.kind == QLatin1String("drop-ack"))
        faults.droppedAcks[fault.argument] += fault.count;
    else if (fault.kind == QLatin1String("corrupt-char"))
        faults.corruptedCharacters.insert(fault.argument);
}

QByteArray StoredCharacter(Faults& faults, int code, QByteArray record, bool& acknowledged)
{
    if (faults.corruptedCharacters.contains(code) && !record.isEmpty())
        record[0] = static_cast<char>(record.at(0) ^ 0x80);
    const auto drops = faults.droppedAcks.find(code);
    acknowledged = drops == faults.droppedAcks.end() || *drops == 0;
    if (!acknowledged)
        --*drops;
    return record;
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
