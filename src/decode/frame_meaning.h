#pragma once

#include "decode/frame_parser.h"

#include <QByteArray>
#include <QString>

namespace kv {

// What a frame says, in the operator's words: its code, its name, its main fields and
// its target ("0x22 滚动发送 刷新 大号字库 12 字节 → 队列 4, 9"). The first bytes of a
// frame still coming in give what they hold: fields not yet arrived are left out.
QString FrameMeaning(const QByteArray& frame);

// A run of line bytes as the parser judged it: a frame's meaning, or what is wrong
// with the bytes ("未知字节 3 个", "0xF7 读身份 → 全部 校验字节错误").
QString EventMeaning(const ParseEvent& event);

} // namespace kv
