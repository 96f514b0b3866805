#pragma once

#include "base/checked.h"

#include <QString>

namespace kv {

class Prompter;

// Vertical writing ("文字纵排"): the lines become columns read top to bottom, the first
// line the rightmost column. Lines are padded with spaces to the longest; a line that
// holds double-byte characters is turned into full-width forms so that every character
// fills one cell. Output lines are joined by CR LF.
QString TransposeToVertical(const QString& text);

// Where a turned text goes, which decides the limit it meets: the static mode
// "静止—自定义字体", the edit pages' "字符下载", or the unit's own fonts.
enum class TurnedTextUse { CustomFont, CharacterDownload, BuiltInFont };
// The use of a static send mode's turned text: the built-in fonts in modes 8 and 9, the
// custom font otherwise.
TurnedTextUse TurnedTextUseOfMode(int mode);

// The most characters a turn may make (8 MB of text). A text that turns into more is
// over 2048 lines high or has lines of over 2048 characters, which no picture (816 x
// 520 at most) and no unit screen holds; its turn alone could take gigabytes.
constexpr qint64 kLargestTurnedText = qint64(2048) * 2048;

// The text turned for its use, as TransposeToVertical turns it; the refusal of the
// use's limit, shown, when the turn would be larger than kLargestTurnedText. Only the
// text's lines are measured before that refusal.
Checked<QString> TurnForUse(const QString& text, TurnedTextUse use, Prompter& prompter);

} // namespace kv
