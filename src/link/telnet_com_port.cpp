#include "link/telnet_com_port.h"

#include <initializer_list>

namespace kv {

namespace {
constexpr quint8 kIac = 0xFF;
constexpr quint8 kSe = 0xF0;
constexpr quint8 kSb = 0xFA;
constexpr quint8 kWill = 0xFB;
constexpr quint8 kWont = 0xFC;
constexpr quint8 kDo = 0xFD;
constexpr quint8 kDont = 0xFE;

constexpr quint8 kBinary = 0x00;
constexpr quint8 kSuppressGoAhead = 0x03;
constexpr quint8 kComPort = 0x2C;

// COM-PORT-OPTION commands; the server answers each with its number plus 100.
constexpr quint8 kSetBaudRate = 1;
constexpr quint8 kSetDataSize = 2;
constexpr quint8 kSetParity = 3;
constexpr quint8 kSetStopSize = 4;
constexpr quint8 kPurgeData = 12;
constexpr quint8 kServerAnswer = 100;

constexpr quint8 kParityNone = 1;
constexpr quint8 kOneStopBit = 1;
constexpr quint8 kPurgeServerReceived = 1;

QByteArray bytes(std::initializer_list<quint8> values)
{
    QByteArray out;
    for (const quint8 value : values)
        out += char(value);
    return out;
}

QByteArray command(quint8 verb, quint8 option)
{
    return bytes({kIac, verb, option});
}

QByteArray comPortCommand(quint8 number, const QByteArray& value)
{
    return bytes({kIac, kSb, kComPort, number}) + TelnetComPort::escaped(value) + bytes({kIac, kSe});
}

// The options this client does on its side and asks of the server's side.
bool weDo(quint8 option)
{
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}
bool serverMayDo(quint8 option)
{
    return option == kBinary || option == kSuppressGoAhead;
}
} // namespace

QByteArray TelnetComPort::offers()
{
    QByteArray out;
    for (const quint8 option : {kBinary, kSuppressGoAhead, kComPort}) {
        out += command(kWill, option);
        saidWill_[option] = true;
    }
    for (const quint8 option : {kBinary, kSuppressGoAhead}) {
        out += command(kDo, option);
        saidDo_[option] = true;
    }
    return out;
}

QByteArray TelnetComPort::lineSettings(int baud)
{
    const quint32 rate = quint32(baud);
    const QByteArray rateBytes = bytes({quint8(rate >> 24), quint8(rate >> 16), quint8(rate >> 8), quint8(rate)});
    return comPortCommand(kSetBaudRate, rateBytes) + comPortCommand(kSetDataSize, QByteArray(1, char(8)))
           + comPortCommand(kSetParity, QByteArray(1, char(kParityNone)))
           + comPortCommand(kSetStopSize, QByteArray(1, char(kOneStopBit)));
}

QByteArray TelnetComPort::purgeReceived()
{
    return comPortCommand(kPurgeData, QByteArray(1, char(kPurgeServerReceived)));
}

QByteArray TelnetComPort::escaped(const QByteArray& unitBytes)
{
    if (!unitBytes.contains(char(kIac)))
        return unitBytes;
    QByteArray out;
    out.reserve(unitBytes.size() * 2);
    for (const char byte : unitBytes) {
        out += byte;
        if (quint8(byte) == kIac)
            out += byte;
    }
    return out;
}

bool TelnetComPort::settingsConfirmed() const
{
    return confirmed_.baud >= 0 && confirmed_.dataSize >= 0 && confirmed_.parity >= 0 && confirmed_.stopSize >= 0;
}

void TelnetComPort::take(const QByteArray& received, QByteArray& unitBytes, QByteArray& answers)
{
    for (const char c : received) {
        const quint8 byte = quint8(c);
        switch (state_) {
        case State::Data:
            if (byte == kIac)
                state_ = State::Command;
            else
                unitBytes += c;
            break;
        case State::Command:
            if (byte == kIac) {
                unitBytes += c;
                state_ = State::Data;
            } else if (byte == kSb) {
                sub_.clear();
                state_ = State::Subnegotiation;
            } else if (byte >= kWill) {
                verb_ = byte;
                state_ = State::Option;
            } else {
                // NOP, GO-AHEAD, a stray SE and the like carry nothing for the line.
                state_ = State::Data;
            }
            break;
        case State::Option:
            option(verb_, byte, answers);
            state_ = State::Data;
            break;
        case State::Subnegotiation:
            if (byte == kIac)
                state_ = State::SubnegotiationCommand;
            else
                sub_ += c;
            break;
        case State::SubnegotiationCommand:
            if (byte == kIac) {
                sub_ += c;
                state_ = State::Subnegotiation;
            } else if (byte == kSe) {
                subnegotiation();
                state_ = State::Data;
            } else {
                // A server that starts a command inside a subnegotiation has ended it.
                subnegotiation();
                state_ = State::Command;
                take(QByteArray(1, c), unitBytes, answers);
            }
            break;
        }
    }
}

void TelnetComPort::option(quint8 verb, quint8 option, QByteArray& answers)
{
    switch (verb) {
    case kDo:
        if (weDo(option)) {
            if (option == kComPort)
                comPort_ = Agreement::Agreed;
            if (!saidWill_[option]) {
                saidWill_[option] = true;
                answers += command(kWill, option);
            }
        } else if (!saidWont_[option]) {
            saidWont_[option] = true;
            answers += command(kWont, option);
        }
        break;
    case kWill:
        if (serverMayDo(option)) {
            if (!saidDo_[option]) {
                saidDo_[option] = true;
                answers += command(kDo, option);
            }
        } else if (!saidDont_[option]) {
            saidDont_[option] = true;
            answers += command(kDont, option);
        }
        break;
    case kDont:
        // The answer to our offer: nothing is said back.
        if (option == kComPort)
            comPort_ = Agreement::Refused;
        break;
    default: // WONT: the server keeps its side as it is.
        break;
    }
}

void TelnetComPort::subnegotiation()
{
    if (sub_.size() < 2 || quint8(sub_.at(0)) != kComPort)
        return;
    const quint8 number = quint8(sub_.at(1));
    const QByteArray value = sub_.mid(2);
    if (number == kServerAnswer + kSetBaudRate && value.size() == 4) {
        confirmed_.baud = int((quint32(quint8(value[0])) << 24) | (quint32(quint8(value[1])) << 16)
                              | (quint32(quint8(value[2])) << 8) | quint32(quint8(value[3])));
    } else if (value.size() == 1) {
        const int setting = quint8(value[0]);
        if (number == kServerAnswer + kSetDataSize)
            confirmed_.dataSize = setting;
        else if (number == kServerAnswer + kSetParity)
            confirmed_.parity = setting;
        else if (number == kServerAnswer + kSetStopSize)
            confirmed_.stopSize = setting;
    }
    // Notifications of the line and modem state, flow control and purge answers say
    // nothing the link asks about.
}

} // namespace kv
