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
    if (longest == 0)
        return QString();
    // Written in place: a text of many long lines turns into as many characters again,
    // and a column at a time through every line would cost far more than the text.
    const qsizetype count = lines.size();
    const qsizetype pitch = count + 2; // a column and its CR LF
    QString turned(longest * pitch - 2, Qt::Uninitialized);
    QChar* out = turned.data();
    for (qsizetype j = 0; j < count; ++j) {
        const QChar* in = lines.at(j).constData();
        for (qsizetype k = 0; k < longest; ++k)
            out[k * pitch + count - 1 - j] = in[k];
    }
    for (qsizetype k = 0; k + 1 < longest; ++k) {
        out[k * pitch + count] = QLatin1Char('\r');
        out[k * pitch + count + 1] = QLatin1Char('\n');
    }
    return turned;
}

} // namespace kv
