#pragma once

#include "scroll/shortcut_segments.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace kv {

// What "保存" makes of the composition box: the bytes the unit stores and the
// description the record keeps.
struct ShortcutContent {
    QByteArray bytes;
    QString description;
};

// The content of a composition, line by line: a "Chr:" line gives FE 00, its byte count
// and the unit's codes of its characters; a "Pic:" line gives FE 01 00 and the picture
// index; other lines are skipped (the prefixes in any letter case). Nothing, after
// *problem is set, when no line holds a segment, when a line holds one the editor would
// refuse, when there are more segments than the editor holds, or when the whole exceeds
// what the save frame's two-byte count can announce.
std::optional<ShortcutContent> BuildShortcutContent(const QString& composition, bool small, QString* problem);

// The largest content the save frame can announce.
constexpr int kMaxShortcutContentBytes = 0xFFFF;

// The longest description a save can record, in code page 936: "大号>> " and, for each
// segment, "[" + its characters of up to two bytes each + "] " (a picture segment's
// "[图文：29] " is shorter).
constexpr qint64 kMaxShortcutDescriptionBytes = 7 + qint64(kMaxShortcutSegments) * (3 + 2 * kMaxSegmentCharacters);

} // namespace kv
