#pragma once

#include "sim/reply.h"

#include <QMap>
#include <QSet>
#include <QString>

namespace kv::sim {

// How a unit misbehaves on the line, for tests of the tool's failure paths.
struct Faults {
    bool silent = false;       // never answers
    int lateMs = 0;            // answers this much later
    bool dropLastByte = false; // answers one byte short
    bool extraByte = false;    // answers one byte long
    bool badCheck = false;     // corrupts the last byte of its answer
    bool otherAddress = false; // identity and probe answers carry address + 1
    int splitMs = 0;           // writes its answer one byte at a time, this far apart
    // Write-character codes whose acknowledgements are left out, each with how many of
    // them are still to be left out; the character is stored all the same.
    QMap<int, int> droppedAcks;
    // Write-character codes whose character is stored with its first bit inverted.
    QSet<int> corruptedCharacters;
};

// One --fault switch: KIND[=ARG][@ADDR]. ARG is milliseconds, or a character code
// with an optional count (drop-ack=CODE[xN]).
struct FaultSwitch {
    QString kind;
    int argument = 0;
    int count = 1;
    int address = -1; // -1: every unit
};

// Reads a switch; on failure returns false with the reason in error.
bool ParseFaultSwitch(const QString& text, FaultSwitch& out, QString& error);
void ApplyFaultSwitch(Faults& faults, const FaultSwitch& fault);

// The record a write-character frame stores, and whether its acknowledgement is sent;
// a left-out acknowledgement counts against its fault.
QByteArray StoredCharacter(Faults& faults, int code, QByteArray record, bool& acknowledged);

// The answer as the faults make it: nothing, one byte short or long, or with its last
// byte (the check byte of every answer that has one) corrupted.
Reply ApplyContentFaults(Reply reply, const Faults& faults);

} // namespace kv::sim
