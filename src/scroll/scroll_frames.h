#pragma once

#include "link/send_target.h"

#include <QByteArray>
#include <QList>

namespace kv {

// The writes of the scroll sends, in order; each is drained before the next.

// 0x22, built-in-font scroll: the frame with the queue, then font flag and length,
// then the message bytes. The font flag is 0 large or 1 small, plus 0x20 when the
// message also becomes the power-on scroll.
QList<QByteArray> BuiltInFontScrollWrites(const SendTarget& target, bool append, quint8 fontFlag,
                                          const QByteArray& message);
// 0x83 (refresh) or 0x85 (append): call a stored picture message; size 0 large, 1 small.
// The refresh call sends its queue addresses as a second write.
QList<QByteArray> PictureMessageCallWrites(const SendTarget& target, bool append, quint8 size, quint8 index);
// 0x87: call a combination shortcut, or make it the power-on shortcut.
QByteArray ShortcutCallFrame(const SendTarget& target, quint8 index, bool makePowerOn);
// 0x80: store a combination shortcut. The frame announces index, size (0 large,
// 1 small), the content's length, the queue count and the power-on flag; the queue
// addresses follow as a second write when there are any, then the content.
QList<QByteArray> ShortcutSaveWrites(const SendTarget& target, quint8 index, bool small, bool powerOn,
                                     const QByteArray& content);

} // namespace kv
