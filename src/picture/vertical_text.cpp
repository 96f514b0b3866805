#include "picture/vertical_text.h"

#include "base/prompter.h"
#include "base/send_modes.h"
#include "picture/static_text.h"
#include "picture/text_measure.h"
#include "picture/text_purposes.h"
#include "picture/width_forms.h"

#include <algorithm>
#include <limits>

namespace kv {

namespace {
bool holdsDoubleByteCharacters(const QString& line)
{
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() >= 0x80; });
}

qsizetype longestOf(const QStringList& lines)
{
    qsizetype longest = 0;
    for (const QString& line : lines)
        longest = qMax(longest, line.size());
    return longest;
}

int clampedToInt(qsizetype value)
{
    return int(qMin<qsizetype>(value, std::numeric_limits<int>::max()));
}

// The limit a turned text of these many lines, each of these many characters, meets in
// its use. A character takes at least one column and a line at least one row, so the
// picture is at least that large.
QString turnedLimitMessage(TurnedTextUse use, qsizetype lines, qsizetype columns)
{
    const int width = clampedToInt(columns);
    const int height = clampedToInt(lines);
    switch (use) {
    case TurnedTextUse::CustomFont:
        return CustomFontLimitMessage(width, height).value_or(QString());
    case TurnedTextUse::CharacterDownload:
        return CharacterDownloadLimitMessage(width, height).value_or(QString());
    case TurnedTextUse::BuiltInFont:
        break;
    }
    return BufferExceededText();
}

// The turn of the text's lines, the longest of them this long.
QString transpose(QStringList lines, qsizetype longest)
{
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
} // namespace

QString TransposeToVertical(const QString& text)
{
    const QStringList lines = TextBlockLines(text);
    return transpose(lines, longestOf(lines));
}

TurnedTextUse TurnedTextUseOfMode(int mode)
{
    return mode == kModeStaticLargeFont || mode == kModeStaticSmallFont ? TurnedTextUse::BuiltInFont
                                                                         : TurnedTextUse::CustomFont;
}

Checked<QString> TurnForUse(const QString& text, TurnedTextUse use, Prompter& prompter)
{
    const QStringList lines = TextBlockLines(text);
    const qsizetype longest = longestOf(lines);
    // The turn has a line per character of the longest line, each as long as the text
    // has lines (and its line break).
    if (longest > 0 && longest * (lines.size() + 2) > kLargestTurnedText)
        return Refuse(prompter, turnedLimitMessage(use, longest, lines.size()));
    return transpose(lines, longest);
}

} // namespace kv
