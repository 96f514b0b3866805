#include "decode/frame_layout.h"

#include "text/operator_text.h"

#include <array>

namespace kv {

namespace {

struct Named {
    quint8 code;
    const char* name;  // the simulator's log
    const char* title; // the operator's traffic log
};

constexpr std::array kAddressedNames{
    Named{0x11, "write address", QT_TRANSLATE_NOOP("kv", "写地址")},
    Named{0x12, "probe", QT_TRANSLATE_NOOP("kv", "探测")},
    Named{0x13, "display item", QT_TRANSLATE_NOOP("kv", "显示项目")},
    Named{0x15, "unit action", QT_TRANSLATE_NOOP("kv", "设备操作")},
    Named{0x17, "baud change", QT_TRANSLATE_NOOP("kv", "改波特率")},
    Named{0x19, "captions off/on", QT_TRANSLATE_NOOP("kv", "字幕开关")},
    Named{0x20, "scroll parameters", QT_TRANSLATE_NOOP("kv", "滚动参数")},
    Named{0x22, "built-in-font scroll", QT_TRANSLATE_NOOP("kv", "滚动发送")},
    Named{0x23, "built-in-font static text", QT_TRANSLATE_NOOP("kv", "静止文字")},
    Named{0x24, "timed display", QT_TRANSLATE_NOOP("kv", "定时显示")},
    Named{0x80, "save combination shortcut", QT_TRANSLATE_NOOP("kv", "保存组合快捷")},
    Named{0x81, "picture message", QT_TRANSLATE_NOOP("kv", "图文短信")},
    Named{0x83, "call stored picture message (refresh)", QT_TRANSLATE_NOOP("kv", "调用图文短信(刷新)")},
    Named{0x84, "status request", QT_TRANSLATE_NOOP("kv", "状态查询")},
    Named{0x85, "call stored picture message (append)", QT_TRANSLATE_NOOP("kv", "调用图文短信(追加)")},
    Named{0x86, "play stored scroll", QT_TRANSLATE_NOOP("kv", "播放预存滚动")},
    Named{0x87, "call combination shortcut", QT_TRANSLATE_NOOP("kv", "调用组合快捷")},
    Named{0x88, "picture header", QT_TRANSLATE_NOOP("kv", "图片")},
    Named{0x89, "recall stored picture", QT_TRANSLATE_NOOP("kv", "调用预存图片")},
    Named{0x8B, "change stored static parameters", QT_TRANSLATE_NOOP("kv", "修改静止参数")},
    Named{0x90, "font-file download start", QT_TRANSLATE_NOOP("kv", "字库下载开始")},
};

constexpr std::array kCheckByteNames{
    Named{0xE0, "store screen settings", QT_TRANSLATE_NOOP("kv", "保存屏幕设置")},
    Named{0xE1, "read crosshair shape", QT_TRANSLATE_NOOP("kv", "读十字形状")},
    Named{0xE2, "write crosshair shape", QT_TRANSLATE_NOOP("kv", "写十字形状")},
    Named{0xE3, "store video mode", QT_TRANSLATE_NOOP("kv", "保存视频制式")},
    Named{0xF0, "video mode", QT_TRANSLATE_NOOP("kv", "视频制式")},
    Named{0xF1, "clear line or screen", QT_TRANSLATE_NOOP("kv", "清除行或全屏")},
    Named{0xF2, "horizontal offset", QT_TRANSLATE_NOOP("kv", "水平偏移")},
    Named{0xF3, "vertical offset", QT_TRANSLATE_NOOP("kv", "垂直偏移")},
    Named{0xF4, "display test", QT_TRANSLATE_NOOP("kv", "显示测试")},
    Named{0xF5, "set attribute", QT_TRANSLATE_NOOP("kv", "设置属性")},
    Named{0xF6, "reset", QT_TRANSLATE_NOOP("kv", "复位")},
    Named{0xF7, "identity query", QT_TRANSLATE_NOOP("kv", "读身份")},
    Named{0xF8, "modify address and baud", QT_TRANSLATE_NOOP("kv", "改地址和波特率")},
    Named{0xF9, "product number", QT_TRANSLATE_NOOP("kv", "读产品号")},
    Named{0xFA, "first 128 characters", QT_TRANSLATE_NOOP("kv", "前128个字符")},
    Named{0xFB, "last 128 characters", QT_TRANSLATE_NOOP("kv", "后128个字符")},
    Named{0xFC, "write character", QT_TRANSLATE_NOOP("kv", "写字符")},
    Named{0xFF, "read character", QT_TRANSLATE_NOOP("kv", "读字符")},
};

const Named* entryOf(Envelope envelope, quint8 code)
{
    auto find = [code](const auto& table) -> const Named* {
        for (const Named& entry : table) {
            if (entry.code == code)
                return &entry;
        }
        return nullptr;
    };
    return envelope == Envelope::Addressed ? find(kAddressedNames) : find(kCheckByteNames);
}

int byteAt(const QByteArray& bytes, qsizetype index)
{
    return static_cast<quint8>(bytes.at(index));
}

int wordAt(const QByteArray& bytes, qsizetype index)
{
    return byteAt(bytes, index) << 8 | byteAt(bytes, index + 1);
}

// Where the queue count stands and where the queue addresses start; count -1 for a
// command without a queue. The picture message has two layouts, told apart by byte 5
// (0 for a rendered scroll picture, the cell count of a stored picture message).
struct QueueSpot {
    qsizetype count = -1;
    qsizetype list = -1;
};

QueueSpot queueSpotOf(quint8 code, const QByteArray& frame)
{
    switch (code) {
    case 0x13: return {6, 7};
    case 0x15: case 0x19: return {5, 6};
    case 0x20: return {4, 5};
    case 0x22: return {4, 6};
    case 0x23: return {4, 12};
    case 0x24: return {4, 8};
    case 0x80: return {8, 10};
    case 0x81:
        if (frame.size() <= 5)
            return {};
        return byteAt(frame, 5) == 0 ? QueueSpot{7, 10} : QueueSpot{9, 11};
    case 0x83: case 0x85: return {7, 8};
    case 0x86: return {6, 7};
    case 0x87: return {5, 7};
    case 0x88: return {12, 14};
    case 0x89: return {6, 9};
    case 0x8B: return {9, 11};
    default: return {};
    }
}

} // namespace

QString CommandName(Envelope envelope, quint8 code)
{
    const Named* entry = entryOf(envelope, code);
    return entry ? QString::fromLatin1(entry->name) : QString();
}

QString CommandTitle(Envelope envelope, quint8 code)
{
    const Named* entry = entryOf(envelope, code);
    return entry ? Text::tr(entry->title) : QString();
}

qsizetype AddressedFrameLength(const QByteArray& f)
{
    const quint8 code = static_cast<quint8>(f.at(3));
    if (CommandName(Envelope::Addressed, code).isEmpty())
        return -1;
    auto has = [&f](qsizetype index) { return f.size() > index; };
    if (code == 0x81 && !has(5))
        return 6;
    const QueueSpot spot = queueSpotOf(code, f);
    qsizetype q = 0;
    if (spot.count >= 0) {
        if (!has(spot.count))
            return spot.count + 1;
        q = byteAt(f, spot.count);
    }
    switch (code) {
    case 0x11: case 0x12: case 0x17: return 6;
    case 0x84: case 0x90: return 5;
    case 0x13: case 0x86: case 0x87: return 7 + q;
    case 0x15: case 0x19: return 6 + q;
    case 0x20: return 5 + q + 13;
    case 0x22: {
        // The queue, then font flag and the message length, then the message.
        const qsizetype head = 6 + q;
        if (!has(head + 2))
            return head + 3;
        return head + 3 + wordAt(f, head + 1);
    }
    case 0x23:
        if (!has(11))
            return 12;
        return 12 + q + byteAt(f, 11);
    case 0x24: return 8 + q;
    case 0x80: return 10 + q + wordAt(f, 6);
    case 0x81: {
        if (byteAt(f, 5) == 0) {
            // A rendered scroll picture: blocks of H x H pixels, then a sum byte.
            if (byteAt(f, 4) > 1)
                return -1;
            if (!has(9))
                return 10;
            const qsizetype h = byteAt(f, 4) == 1 ? 32 : 48;
            return 10 + q + wordAt(f, 8) * h * h / 8 + 1;
        }
        // A stored picture message: cells of C x C pixels, then its trailer.
        if (byteAt(f, 6) > 1)
            return -1;
        const qsizetype c = byteAt(f, 6) == 0 ? 48 : 32;
        const qsizetype cells = byteAt(f, 5);
        return 11 + q + cells * c * c / 8 + 5 + 2 * cells;
    }
    case 0x83: case 0x85: return 8 + q;
    case 0x88: {
        // Bytes per row times rows; slots of kind 0 and 2 always end in a sum byte.
        const qsizetype matrix = qsizetype(byteAt(f, 4)) * wordAt(f, 5);
        return 14 + q + matrix + (byteAt(f, 11) == 1 ? 0 : 1);
    }
    case 0x89: return 9 + q;
    case 0x8B: return 11 + q;
    default: return -1;
    }
}

bool CheckByteCountFits(quint8 code, quint8 count)
{
    switch (code) {
    case 0xF6: case 0xF7: case 0xF9: case 0xFA: case 0xFB: case 0xE1: return count == 1;
    case 0xF0: case 0xF1: case 0xF2: case 0xF3: case 0xE2: case 0xE3: case 0xFF: return count == 2;
    case 0xF8: return count == 3;
    case 0xF5: return count == 4;
    case 0xE0: return count == 6;
    case 0xFC: return count == 56;
    // Row, column, one to 32 character codes, check byte.
    case 0xF4: return count >= 4 && count <= 35;
    default: return false;
    }
}

int OptionalPictureSum(const QByteArray& frame)
{
    if (frame.size() < 14 || byteAt(frame, 1) != 0x5B || byteAt(frame, 3) != 0x88
        || byteAt(frame, 11) != 1)
        return -1;
    const qsizetype matrixStart = 14 + byteAt(frame, 12);
    int sum = 0;
    for (qsizetype i = matrixStart; i < frame.size(); ++i)
        sum += byteAt(frame, i);
    return sum & 0xFF;
}

Frame DecodeFrame(const QByteArray& bytes)
{
    Frame frame;
    frame.bytes = bytes;
    if (bytes.size() < 3)
        return frame;
    if (byteAt(bytes, 1) == 0x5B) {
        frame.envelope = Envelope::Addressed;
        frame.target = static_cast<quint8>(bytes.at(2));
        if (bytes.size() < 4)
            return frame;
        frame.code = static_cast<quint8>(bytes.at(3));
        const QueueSpot spot = queueSpotOf(frame.code, bytes);
        if (spot.count >= 0 && spot.count < bytes.size()) {
            frame.hasQueue = true;
            const qsizetype q = byteAt(bytes, spot.count);
            for (qsizetype i = spot.list; i < spot.list + q && i < bytes.size(); ++i)
                frame.queue.append(static_cast<quint8>(bytes.at(i)));
        }
    } else {
        frame.envelope = Envelope::CheckByte;
        frame.code = static_cast<quint8>(bytes.at(1));
        frame.target = static_cast<quint8>(bytes.at(2));
    }
    return frame;
}

} // namespace kv
