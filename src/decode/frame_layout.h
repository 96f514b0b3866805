#pragma once

#include "decode/frame.h"

#include <QByteArray>
#include <QString>

namespace kv {

// The longest frame a unit accepts; a length field beyond it marks garbage.
constexpr qsizetype kLongestFrame = 1 << 20;

// What the unit calls each command, or an empty text for a code it does not know.
QString CommandName(Envelope envelope, quint8 code);
// The same name in the operator's language ("滚动发送").
QString CommandTitle(Envelope envelope, quint8 code);

// The length an addressed frame needs, judged from the bytes received so far (at
// least 5A 5B target code). While a field that decides the length is still missing
// this is a lower bound that reaches just past that field; once every such field is
// in, it is the exact length. -1 when the code or a layout field is not one the unit
// knows.
qsizetype AddressedFrameLength(const QByteArray& soFar);

// Whether a check-byte frame of this code may carry this count byte.
bool CheckByteCountFits(quint8 code, quint8 count);

// A picture header whose matrix may or may not be followed by a sum byte (the static
// send page writes none, a stored static slot writes one). Returns the sum the byte
// would have, or -1 when the frame is not of that kind.
int OptionalPictureSum(const QByteArray& frame);

// Fills the envelope, code, target and queue of a frame. A frame still coming in gets
// what its bytes so far hold: the queue addresses that have arrived, no code before
// byte 3 of an addressed frame.
Frame DecodeFrame(const QByteArray& bytes);

} // namespace kv
