#pragma once

#include <QByteArray>
#include <array>

namespace kv {

// The client's side of a Telnet connection to a serial device server that speaks the
// COM port control option (RFC 2217), without the socket: what to send to open the
// line and set its rate, and the stream from the server taken apart into the unit's
// bytes and the server's own commands, which may come split over any number of reads.
class TelnetComPort {
public:
    // The line settings the server confirmed, once it has answered each of them.
    struct Confirmed {
        int baud = -1;
        int dataSize = -1;
        int parity = -1;
        int stopSize = -1;
    };

    // What to send first: BINARY and SUPPRESS-GO-AHEAD both ways, COM-PORT-OPTION.
    QByteArray offers();
    // Asks for the rate, 8 data bits, no parity and one stop bit.
    static QByteArray lineSettings(int baud);
    // Asks the server to drop what it received from the line and has not yet sent.
    static QByteArray purgeReceived();
    // Unit bytes as they go on the connection: every 0xFF doubled.
    static QByteArray escaped(const QByteArray& bytes);

    // Takes what the server sent: the unit's bytes are appended to unitBytes, and the
    // answers the server's requests need (each once) to answers.
    void take(const QByteArray& received, QByteArray& unitBytes, QByteArray& answers);

    // The server took up the COM port option (answered our offer with DO).
    bool comPortAgreed() const { return comPort_ == Agreement::Agreed; }
    bool comPortRefused() const { return comPort_ == Agreement::Refused; }
    const Confirmed& confirmed() const { return confirmed_; }
    // True when all four settings have been answered.
    bool settingsConfirmed() const;
    // Before the settings are asked again: the answers to come are the ones that count.
    void forgetConfirmed() { confirmed_ = {}; }

private:
    enum class State { Data, Command, Option, Subnegotiation, SubnegotiationCommand };
    enum class Agreement { Pending, Agreed, Refused };

    void option(quint8 verb, quint8 option, QByteArray& answers);
    void subnegotiation();

    State state_ = State::Data;
    quint8 verb_ = 0;
    QByteArray sub_;
    // Per option: whether we have said WILL / WONT / DO / DONT, so that each is said once.
    std::array<bool, 256> saidWill_{};
    std::array<bool, 256> saidWont_{};
    std::array<bool, 256> saidDo_{};
    std::array<bool, 256> saidDont_{};
    Agreement comPort_ = Agreement::Pending;
    Confirmed confirmed_;
};

} // namespace kv
