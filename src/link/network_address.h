#pragma once

#include <QString>
#include <optional>

namespace kv {

// A serial port that a device server puts on the network, named as other serial tools
// name it: rfc2217://HOST:PORT (Telnet with the COM port control option, so the rate
// is set from here) or socket://HOST:PORT (the bytes as they are; the rate is set on
// the server).
struct NetworkAddress {
    enum class Scheme { Rfc2217, RawTcp };
    Scheme scheme = Scheme::Rfc2217;
    QString host;
    quint16 port = 0;

    // The address as it is written, rfc2217://HOST:PORT or socket://HOST:PORT.
    QString text() const;
};

// What a port name says: an address, or why it is not one.
struct NetworkAddressParse {
    std::optional<NetworkAddress> address;
    QString problem;
};

// A port name meant as a network address (it has a scheme, "...://"); a device path or
// a COMk never does.
bool IsNetworkPortName(const QString& name);
// Reads rfc2217://HOST:PORT or socket://HOST:PORT (an IPv6 host in brackets); the
// problem names what is wrong: the scheme, a missing host or port, a port that is not a
// number from 1 to 65535.
NetworkAddressParse ParseNetworkAddress(const QString& name);
// True for a name that is a raw TCP address: the rate of such a line is not ours to set.
bool IsRawTcpAddress(const QString& name);

} // namespace kv
