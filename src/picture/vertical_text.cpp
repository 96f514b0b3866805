#include "picture/vertical_text.h"

#include "picture/text_measure.h"
#include "picture/width_forms.h"

#include <algorithm>

namespace kv {

namespace {
bool holdsDoubleByteCharacters(const QString& line)
{
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() >= 0x80; });
}
} // namespace

QString TransposeToVertical(const QString& text)
{
    QStringList lines = TextBlockLines(text);
    qsizetype longest = 0;
    for (const QString& line : lines)
        longest = qMax(longest, line.size());
    for (QString& line : lines) {
        line = line.leftJustified(longest, QLatin1Char(' '));
        if (holdsDoubleByteCharacters(line))
            line = ToFullWidth(line);
    }
    QStringList columns;
    for (qsizetype k = 0; k < longest; ++k) {
        QString column;
        for (auto line = lines.crbegin(); line != lines.crend(); ++line)
            column += line->at(k);
        columns << column;
    }
    return columns.join(QStringLiteral("\r\n"));
}

} // namespace kv
