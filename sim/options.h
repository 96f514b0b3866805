#pragma once

#include "sim/faults.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kv::sim {

struct UnitOption {
    int address = 1;
    int baud = 9600;
    QByteArray product; // four bytes
};

struct Options {
    QString linkPath;
    QList<UnitOption> units;
    QString statePath;
    QString logPath;
    QString fontPath;
    QString storePath;
    QString picturesPath;
    bool pace = false;
    int turnaroundMs = 10;
    QList<FaultSwitch> faults;
};

// The product number a unit has unless one is given: 12 34 56 78 for unit 1, the
// last byte moving with the address.
QByteArray DefaultProduct(int address);

// Reads the arguments after the program name. On a usage error returns false with
// the reason in error.
bool ParseOptions(const QStringList& args, Options& options, QString& error);

QString UsageText();

} // namespace kv::sim
