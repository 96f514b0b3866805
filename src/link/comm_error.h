#pragma once

#include <QString>

namespace kv {

// A serial-port fault, numbered like the rows of the serial-port message table so
// every operation reports it with the same text. Port operations throw it; the port
// bracket (RunOnPort) catches it at the operation's end and has it shown.
struct CommError {
    int number;
};

namespace comm {
constexpr int kPortMissing = 8002;
constexpr int kPortOccupied = 8005;
constexpr int kDeviceInvalid = 8006;
constexpr int kBaudUnsupported = 8007;
constexpr int kLineSettingsRefused = 8009;
constexpr int kHardwareUnavailable = 8010;
constexpr int kAlreadyOpen = 8013;
constexpr int kPortNotOpen = 8018;
constexpr int kReadFailed = 8020;
// Faults the serial-port message table has no row for, numbered after it.
constexpr int kPermissionDenied = 8101;
constexpr int kDrainTimeout = 8102;
// Serial ports on the network (device servers).
constexpr int kAddressInvalid = 8103;
constexpr int kConnectionRefused = 8104;
constexpr int kHostUnknown = 8105;
constexpr int kConnectFailed = 8106;
constexpr int kConnectCancelled = 8107;
constexpr int kConnectionLost = 8108;
constexpr int kServerSilent = 8109;
constexpr int kRateFixed = 8110;
// Not a fault: the line goes on at the server's own rate. It is told in the traffic log.
constexpr int kComPortRefused = 8111;
} // namespace comm

// The message for an error number; portText is the port as the port choice shows it.
// Number 0 has no message (an empty text).
QString CommErrorText(int number, const QString& portText);

} // namespace kv
