#include "scroll/scroll_frames.h"

#include "link/command_codes.h"
#include "link/frames.h"

namespace kv {

QList<QByteArray> BuiltInFontScrollWrites(const SendTarget& target, bool append, quint8 fontFlag,
                                          const QByteArray& message)
{
    const int length = int(message.size());
    return {
        AddressedFrame(target.address, command::kFontScroll,
                       FieldBytes({target.queueCount(), append ? 1 : 0}) + target.queue),
        FieldBytes({fontFlag, (length >> 8) & 0xFF, length & 0xFF}),
        message,
    };
}

QList<QByteArray> PictureMessageCallWrites(const SendTarget& target, bool append, quint8 size, quint8 index)
{
    const quint8 code = append ? command::kAppendPictureMessage : command::kCallPictureMessage;
    const QByteArray head = AddressedFrame(target.address, code, FieldBytes({size, index, 0, target.queueCount()}));
    if (append)
        return {head + target.queue};
    if (target.queue.isEmpty())
        return {head};
    return {head, target.queue};
}

QByteArray ShortcutCallFrame(const SendTarget& target, quint8 index, bool makePowerOn)
{
    return AddressedFrame(target.address, command::kCallShortcut,
                          FieldBytes({index, target.queueCount(), makePowerOn ? 1 : 0}) + target.queue);
}

QList<QByteArray> ShortcutSaveWrites(const SendTarget& target, quint8 index, bool small, bool powerOn,
                                     const QByteArray& content)
{
    const int length = int(content.size());
    QList<QByteArray> writes{AddressedFrame(target.address, command::kStoreShortcut,
                                            FieldBytes({index, small ? 1 : 0, (length >> 8) & 0xFF, length & 0xFF,
                                                        target.queueCount(), powerOn ? 1 : 0}))};
    if (!target.queue.isEmpty())
        writes << target.queue;
    writes << content;
    return writes;
}

} // namespace kv
