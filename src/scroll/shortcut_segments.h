#pragma once

#include "picture/picture_lists.h"

#include <QString>
#include <optional>

namespace kv {

// The two kinds of segment a combination shortcut is built from, and the checks both
// the editor's "<< 添加" and the save apply to them.

constexpr int kMaxShortcutSegments = 1001;
constexpr int kMaxSegmentCharacters = 510;
constexpr int kShortcutCount = 16;

// The composition box's line of each kind: "Chr:" and the characters, "Pic:" and the
// picture message's index (number - 1).
QString CharacterSegmentLine(const QString& characters);
QString PictureSegmentLine(int messageNumber);

// The characters of an input for a character segment: every line break a space.
QString SegmentCharacters(const QString& input);

// Why the characters cannot form a segment (too long, a character without a unit code);
// nothing when they can. Empty characters are the editor's own message.
std::optional<QString> CharacterSegmentProblem(const QString& characters);

// The picture message number typed in picture mode: a decimal 1 to 30; nothing
// otherwise.
std::optional<int> PictureMessageNumber(const QString& input);

// The editor's texts.
QString PictureNumberRefusedText();    // "添加的图文短信编号必须为1-30的十进制数"
QString NoCharactersText();            // "没有要添加的字符，请输入"
QString SegmentTooLongText();          // "每段字符数不能大于510个，请安排分段插入"
QString SegmentTooLongOnClickText();   // "每段字符数不能大于510个，请分段插入"
QString SegmentListFullText();
QString NothingComposedText();         // "还没有添加滚动信息"

} // namespace kv
