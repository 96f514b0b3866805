#pragma once

#include <QString>

namespace kv {

#ifdef Q_OS_UNIX
// QSerialPort opens a port only after taking its lock file ("LCK.." and the port's path
// below /dev, slashes as underscores, in the first lock folder it can use). A program
// killed between making that file and writing its process number into it leaves it
// empty, and QSerialPort then refuses the port as occupied for half a minute.

// The lock file QSerialPort takes for the port path; empty when no lock folder serves.
QString SerialLockPath(const QString& portPath);

// Removes the port's lock file when it is stale: empty and older than the moment its
// maker needs to write it, or naming a process of this machine that no longer runs.
// A lock that a running program holds is never removed: QSerialPort holds a file lock on
// its lock file, and another program's lock names a process that still runs.
void RemoveStaleSerialLock(const QString& portPath);
#endif

} // namespace kv
