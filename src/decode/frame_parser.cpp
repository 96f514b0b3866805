#include "decode/frame_parser.h"

#include "decode/frame_layout.h"

namespace kv {

namespace {

constexpr quint8 kStart = 0x5A;
constexpr quint8 kAddressedMark = 0x5B;

quint8 xorOf(const QByteArray& bytes)
{
    quint8 x = 0;
    for (char b : bytes)
        x ^= static_cast<quint8>(b);
    return x;
}

} // namespace

QList<ParseEvent> FrameParser::feed(const QByteArray& bytes)
{
    QList<ParseEvent> out = feedPart(bytes);
    reportJunk(out);
    return out;
}

QList<ParseEvent> FrameParser::feedPart(const QByteArray& bytes)
{
    QList<ParseEvent> out;
    for (char b : bytes)
        take(static_cast<quint8>(b), out);
    return out;
}

QList<ParseEvent> FrameParser::flush()
{
    QList<ParseEvent> out;
    optionalSum_ = -1;
    if (!frame_.isEmpty()) {
        out.append({ParseEvent::Kind::Incomplete, frame_});
        frame_.clear();
    }
    reportJunk(out);
    return out;
}

void FrameParser::reportJunk(QList<ParseEvent>& out)
{
    if (!junk_.isEmpty()) {
        out.append({ParseEvent::Kind::Unknown, junk_});
        junk_.clear();
    }
}

void FrameParser::take(quint8 byte, QList<ParseEvent>& out)
{
    if (optionalSum_ >= 0) {
        const int sum = optionalSum_;
        optionalSum_ = -1;
        if (byte == sum) {
            out.append({ParseEvent::Kind::PictureSum, QByteArray(1, static_cast<char>(byte))});
            return;
        }
        // Only a start byte may begin the next frame there; anything else is the sum
        // of a picture that did not arrive whole.
        if (byte != kStart) {
            out.append({ParseEvent::Kind::WrongPictureSum, QByteArray(1, static_cast<char>(byte))});
            return;
        }
    }
    if (frame_.isEmpty()) {
        if (byte == kStart) {
            reportJunk(out);
            frame_.append(static_cast<char>(byte));
        } else {
            junk_.append(static_cast<char>(byte));
            if (junk_.size() == kLongestFrame)
                reportJunk(out);
        }
        return;
    }

    frame_.append(static_cast<char>(byte));
    const qsizetype n = frame_.size();
    if (n == 2) {
        if (byte != kAddressedMark && CommandName(Envelope::CheckByte, byte).isEmpty())
            reject(ParseEvent::Kind::Unknown, out);
        return;
    }

    if (static_cast<quint8>(frame_.at(1)) == kAddressedMark) {
        if (n < 4)
            return;
        const qsizetype length = AddressedFrameLength(frame_);
        if (length < 0)
            reject(ParseEvent::Kind::Unknown, out);
        else if (length > kLongestFrame)
            reject(ParseEvent::Kind::TooLong, out);
        else if (n == length)
            complete(ParseEvent::Kind::Frame, out);
        return;
    }

    if (n < 4)
        return;
    const quint8 count = static_cast<quint8>(frame_.at(3));
    if (n == 4 && !CheckByteCountFits(static_cast<quint8>(frame_.at(1)), count)) {
        reject(ParseEvent::Kind::BadCount, out);
        return;
    }
    if (n == 4 + count)
        complete(xorOf(frame_) == 0 ? ParseEvent::Kind::Frame : ParseEvent::Kind::BadCheck, out);
}

void FrameParser::complete(ParseEvent::Kind kind, QList<ParseEvent>& out)
{
    out.append({kind, frame_});
    if (kind == ParseEvent::Kind::Frame)
        optionalSum_ = OptionalPictureSum(frame_);
    frame_.clear();
}

// Skips the 5A that started the failed frame and everything up to the next 5A, then
// reads the rest again from there.
void FrameParser::reject(ParseEvent::Kind kind, QList<ParseEvent>& out)
{
    const QByteArray rest = frame_.mid(1);
    const qsizetype next = rest.indexOf(static_cast<char>(kStart));
    out.append({kind, frame_.left(next < 0 ? frame_.size() : next + 1)});
    frame_.clear();
    if (next < 0)
        return;
    for (char b : rest.mid(next))
        take(static_cast<quint8>(b), out);
}

} // namespace kv
