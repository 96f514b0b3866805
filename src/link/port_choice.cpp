#include "link/port_choice.h"

#include "base/prompter.h"
#include "link/baud.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/link.h"
#include "link/network_address.h"
#include "link/port_map.h"
#include "link/port_operation.h"
#include "text/operator_text.h"

namespace kv {

namespace {
const QString kComFile = QStringLiteral("COM.TXT");
const QString kBaudFile = QStringLiteral("BTL.TXT");

QString StatusLine(const QString& port, int baud)
{
    return Text::tr("  串 口：%1  波特率：%2").arg(port, LineSettingsText(baud));
}
} // namespace

PortChoice::PortChoice(const AppFolder& folder, Link& link) : folder_(folder), link_(link)
{
    // A chosen port that has gone falls back to "关闭"; a path given for one run is not
    // the saved choice and is left alone.
    link_.setDeviceSource([this] {
        return PortDevice{devicePath(), portText(), [this](Prompter& prompter) {
                              if (runPath_.isEmpty())
                                  selectPort(0, prompter, ChoiceEffect::Apply);
                          }};
    });
}

PortChoice::~PortChoice()
{
    link_.setDeviceSource({});
}

QString PortChoice::portText() const
{
    if (!runPath_.isEmpty())
        return runPath_;
    // A COMk on the network goes by its address, which tells the operator where the line is.
    if (portChoice_ > 0) {
        const QString path = PortMap::load(folder_).pathFor(portChoice_);
        if (IsNetworkPortName(path))
            return path;
    }
    return PortChoiceText(portChoice_);
}

QString PortChoice::devicePath() const
{
    if (!runPath_.isEmpty())
        return runPath_;
    // The port map is read at every open, so a new assignment holds from the next
    // operation on.
    return portChoice_ > 0 ? PortMap::load(folder_).pathFor(portChoice_) : QString();
}

std::optional<int> PortChoice::savedPortChoice() const
{
    return ReadIndexSetting(folder_.settingsPath(kComFile), kPortChoices);
}

std::optional<int> PortChoice::savedBaudChoice() const
{
    return ReadIndexSetting(folder_.settingsPath(kBaudFile), kBaudChoices);
}

void PortChoice::usePathForRun(const QString& path)
{
    runPath_ = path;
}

void PortChoice::setPortChoiceQuietly(int index)
{
    portChoice_ = index;
    if (observer_)
        observer_->portChoiceChanged(index);
}

void PortChoice::setBaudChoiceQuietly(int index)
{
    baudChoice_ = index;
    if (observer_)
        observer_->baudChoiceChanged(index);
}

void PortChoice::setStatusText(const QString& text)
{
    statusText_ = text;
    if (observer_)
        observer_->statusTextChanged(text);
}

Outcome PortChoice::writeSetting(const QString& name, const QString& value, Prompter& prompter)
{
    QString error;
    if (!WriteSettingsFile(folder_, name, value, &error))
        return FailWithError(prompter, error);
    return Outcome::Done();
}

Outcome PortChoice::selectPort(int index, Prompter& prompter, ChoiceEffect effect)
{
    setPortChoiceQuietly(index);
    if (index > 0) {
        runPath_.clear();
        // An operation that says nothing probes the port: a missing or busy port is
        // reported now rather than at the first operation.
        const Outcome probe =
            effect == ChoiceEffect::Apply ? RunOnPort(link_, prompter, [](LineSession&) {}) : Outcome::Done();
        if (probe.portFault())
            return probe;
        const Outcome saved = writeSetting(kComFile, QString::number(index), prompter);
        setStatusText(StatusLine(portText(), link_.lineBaud()));
        return probe.done() ? saved : probe;
    }
    setStatusText(StatusLine(PortChoiceText(0), link_.lineBaud()));
    return writeSetting(kComFile, QStringLiteral("0"), prompter);
}

Outcome PortChoice::selectBaud(int index, Prompter& prompter, ChoiceEffect effect)
{
    const bool applies = effect == ChoiceEffect::Apply && index >= 0 && index < kBaudChoices;
    // A line whose rate is set on its device server keeps it, and the choice shows it
    // again; nothing is sent.
    if (applies && isPortChosen() && !link_.maySetRate(BaudRate(index))) {
        const Outcome refused = Refuse(prompter, CommErrorText(comm::kRateFixed, portText()));
        setBaudChoiceQuietly(baudChoice_);
        return refused;
    }
    setBaudChoiceQuietly(index);
    setStatusText(StatusLine(portText(), BaudRate(index)));
    if (!applies)
        return Outcome::Done();
    if (!isPortChosen()) {
        // No port is chosen, so there is no line to tell; the rate is still the one the
        // next chosen port will use.
        link_.setLineBaud(BaudRate(index));
        return writeSetting(kBaudFile, QString::number(index), prompter);
    }
    // Sent at the line settings still in force, so units listening at the old rate hear
    // it.
    const QByteArray broadcast = AddressedFrame(0xFF, command::kChangeRate, QByteArray::fromRawData("\x77", 1) + char(index));
    const Outcome sent = RunOnPort(link_, prompter, [&](LineSession& session) {
        // A server that refused the rate options is only known once connected.
        if (!link_.maySetRate(BaudRate(index)))
            throw CommError{comm::kRateFixed};
        session.write(broadcast);
    });
    if (sent.portFault())
        return sent;
    const Outcome saved = writeSetting(kBaudFile, QString::number(index), prompter);
    link_.setLineBaud(BaudRate(index));
    return sent.done() ? saved : sent;
}

void PortChoice::startupRestore(Prompter& prompter)
{
    const auto port = savedPortChoice();
    if (port) {
        selectPort(*port, prompter, ChoiceEffect::Apply);
    } else {
        writeSetting(kComFile, QStringLiteral("1"), prompter);
        selectPort(1, prompter, ChoiceEffect::Apply);
    }
    const auto baud = savedBaudChoice();
    // A line whose rate is set on its device server runs at the saved rate from the
    // start: there is no other rate to tell the units from.
    if (!link_.setsRate())
        link_.setLineBaud(BaudRate(baud.value_or(kFirstStartBaudIndex)));
    if (baud) {
        selectBaud(*baud, prompter, ChoiceEffect::Apply);
        link_.setLineBaud(BaudRate(*baud));
    } else {
        writeSetting(kBaudFile, QString::number(kFirstStartBaudIndex), prompter);
        selectBaud(kFirstStartBaudIndex, prompter, ChoiceEffect::Apply);
    }
}

} // namespace kv
