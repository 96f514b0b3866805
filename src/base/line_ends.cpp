#include "base/line_ends.h"

namespace kv {

QStringList SplitLines(const QString& text)
{
    QString unified = text;
    unified.replace(kCrLf, QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = unified.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString JoinLines(const QStringList& lines)
{
    return lines.join(kCrLf);
}

} // namespace kv
