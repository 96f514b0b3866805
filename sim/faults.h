#pragma once

#include "sim/reply.h"

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
};

// One --fault switch: KIND[=ARG][@ADDR].
struct FaultSwitch {
    QString kind;
    int argument = 0;
    int address = -1; // -1: every unit
};

// Reads a switch; on failure returns false with the reason in error.
bool ParseFaultSwitch(const QString& text, FaultSwitch& out, QString& error);
void ApplyFaultSwitch(Faults& faults, const FaultSwitch& fault);

// The answer as the faults make it: nothing, one byte short or long, or with its last
// byte (the check byte of every answer that has one) corrupted.
Reply ApplyContentFaults(Reply reply, const Faults& faults);

} // namespace kv::sim
