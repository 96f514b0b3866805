#include "scroll/editor_lines.h"

#include <QStringList>

namespace kv {

namespace {
QString withoutCr(QString line)
{
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}
} // namespace

int EditLineCount(const QString& text)
{
    return int(text.count(QLatin1Char('\n'))) + 1;
}

QString ReadEditLine(const QString& text, int index)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (index < 0 || index >= lines.size())
        return QString();
    return withoutCr(lines.at(index));
}

int LineAtPosition(const QString& text, int position)
{
    const int p = qBound(0, position, int(text.size()));
    return int(text.left(p).count(QLatin1Char('\n')));
}

LineSelection SetTextLength(const QString& text, int caret)
{
    const int p = qBound(0, caret, int(text.size()));
    LineSelection selection;
    selection.start = int(text.left(p).lastIndexOf(QLatin1Char('\n'))) + 1;
    const qsizetype lf = text.indexOf(QLatin1Char('\n'), p);
    selection.end = lf < 0 ? int(text.size()) : int(lf);
    return selection;
}

} // namespace kv
