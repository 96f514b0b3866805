#pragma once

#include <QByteArray>
#include <QList>

namespace kv {

// What a run of line bytes turned out to be.
struct ParseEvent {
    enum class Kind {
        Frame,      // a whole frame of a known command
        Unknown,    // bytes that start no known frame, skipped up to the next 5A
        BadCount,   // a check-byte frame whose count does not fit its command
        BadCheck,   // a check-byte frame whose check byte is wrong
        TooLong,    // a frame whose length fields exceed anything the unit takes
        Incomplete, // a frame cut short by silence or a change of line rate
        PictureSum, // the sum byte after a picture matrix that may or may not carry one
        WrongPictureSum, // a byte other than 5A in that sum byte's place, and not the sum
    };
    Kind kind;
    QByteArray bytes;
};

// Turns the byte stream of the line into frames, as a unit reads it. It resynchronises on 5A after
// anything it does not understand, so no byte sequence can stall or break it. It holds at
// most a frame of the longest length and as many stray bytes: a longer run of them is
// reported in parts.
class FrameParser {
public:
    // Consumes the bytes; returns what they completed, in line order. Stray bytes are
    // reported when a 5A follows them or at the end of the call.
    QList<ParseEvent> feed(const QByteArray& bytes);
    // The same for a piece of a stream that goes on (a capture read piece by piece):
    // stray bytes at its end wait for what follows, so the pieces give the events of
    // one feed of the whole stream.
    QList<ParseEvent> feedPart(const QByteArray& bytes);
    // Abandons a frame in progress.
    QList<ParseEvent> flush();
    bool midFrame() const { return !frame_.isEmpty(); }
    // The bytes of the frame in progress.
    const QByteArray& pending() const { return frame_; }
    // Whether the next byte may be the optional sum byte of a picture just parsed.
    bool awaitsPictureSum() const { return optionalSum_ >= 0; }
    // A picture header waits for its optional sum byte, and that byte would be 5A,
    // which may just as well start the next frame.
    bool sumCouldBeStartByte() const { return optionalSum_ == 0x5A; }
    void forgetOptionalSum() { optionalSum_ = -1; }

private:
    void take(quint8 byte, QList<ParseEvent>& out);
    void complete(ParseEvent::Kind kind, QList<ParseEvent>& out);
    void reject(ParseEvent::Kind kind, QList<ParseEvent>& out);
    void reportJunk(QList<ParseEvent>& out);

    QByteArray frame_;
    QByteArray junk_;
    int optionalSum_ = -1;
};

} // namespace kv
