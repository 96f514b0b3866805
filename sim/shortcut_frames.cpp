#include "sim/shortcut_frames.h"

#include "sim/unit_text.h"

#include <QJsonObject>

namespace kv::sim {

namespace {

constexpr quint8 kSegmentMark = 0xFE;

quint8 byteAt(const QByteArray& bytes, qsizetype index)
{
    return static_cast<quint8>(bytes.at(index));
}

} // namespace

QList<ShortcutSegment> ShortcutSegments(const QByteArray& content)
{
    QList<ShortcutSegment> segments;
    qsizetype i = 0;
    while (i < content.size()) {
        const bool marked = i + 4 <= content.size() && byteAt(content, i) == kSegmentMark;
        if (marked && byteAt(content, i + 1) == 0x00) {
            const qsizetype count = byteAt(content, i + 2) << 8 | byteAt(content, i + 3);
            if (i + 4 + count <= content.size()) {
                segments.append({ShortcutSegment::Kind::Characters, content.mid(i + 4, count), 0});
                i += 4 + count;
                continue;
            }
        } else if (marked && byteAt(content, i + 1) == 0x01 && byteAt(content, i + 2) == 0x00) {
            segments.append({ShortcutSegment::Kind::PictureMessage, {}, byteAt(content, i + 3) + 1});
            i += 4;
            continue;
        }
        segments.append({ShortcutSegment::Kind::Undecoded, content.mid(i), 0});
        break;
    }
    return segments;
}

QJsonArray ShortcutSegmentsJson(const QByteArray& content)
{
    QJsonArray list;
    for (const ShortcutSegment& segment : ShortcutSegments(content)) {
        const QString bytes = QString::fromLatin1(segment.bytes.toHex().toUpper());
        switch (segment.kind) {
        case ShortcutSegment::Kind::Characters:
            list.append(QJsonObject{{"text", DecodeUnitText(segment.bytes)}, {"bytes", bytes}});
            break;
        case ShortcutSegment::Kind::PictureMessage:
            list.append(QJsonObject{{"pictureMessage", segment.pictureMessage}});
            break;
        case ShortcutSegment::Kind::Undecoded:
            list.append(QJsonObject{{"undecoded", bytes}});
            break;
        }
    }
    return list;
}

void TakeShortcut(const Frame& f, UnitState& state, UnitEvents& events)
{
    const int index = f.at(4);
    if (index >= kShortcutCount) {
        events.notes.append(QStringLiteral("no shortcut %1 on the unit (1 to %2): not stored")
                                .arg(index + 1).arg(kShortcutCount));
        return;
    }
    Shortcut s;
    s.small = f.at(5) == 1;
    s.powerOn = f.at(9) == 1;
    s.content = f.bytes.mid(10 + f.queue.size());
    state.shortcuts.insert(index, s);
    if (s.powerOn)
        state.powerOnShortcut = index;
}

} // namespace kv::sim
