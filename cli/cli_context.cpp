#include "cli_context.h"

#include "admin/address_queue.h"
#include "app/shipped_files.h"
#include "commands.h"
#include "link/baud.h"
#include "link/port_map.h"
#include "link/path_port.h"
#include "text/operator_text.h"

namespace kv::cli {

QString AppFolderRoot(const GlobalOptions& options)
{
    return options.dir.isEmpty() ? DefaultAppFolderRoot() : options.dir;
}

CliContext::CliContext(const GlobalOptions& opts, QString commandUsage)
    : folder(AppFolderRoot(opts)), prompter(opts.yes), options(opts), commandUsage_(std::move(commandUsage))
{
    RemoveUnfinishedWrites(folder);
    ProvideHelpFiles(folder);
    link = std::make_unique<Link>(PathPorts(), clock);
    portChoice = std::make_unique<PortChoice>(folder, *link);
    link->setObserver(this);
}

bool CliContext::prepare()
{
    if (!options.log.isEmpty()) {
        log_ = std::make_unique<QFile>(options.log);
        if (!log_->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            prompter.error(FileWriteErrorText(options.log, log_->errorString()));
            return false;
        }
    }

    // The line rate: --baud, else the saved choice, else the first-start default.
    const int inForce = portChoice->savedBaudChoice().value_or(kFirstStartBaudIndex);
    int baudIndex = inForce;
    if (!options.baud.isEmpty()) {
        baudIndex = BaudIndexOf(options.baud);
        if (baudIndex < 0) {
            prompter.error(Text::tr("波特率必须是 1200、2400、4800、9600、19200、38400、57600 或 115200"));
            return false;
        }
    }

    // The port: --port COMk, a device path or a network address, else the saved choice
    // through COMMAP.TXT.
    if (const auto k = PortChoiceNamed(options.port)) {
        if (*k == 0) {
            prompter.error(Text::tr("串口只能是 COM1 至 COM12"));
            return false;
        }
        portChoice->setPortChoiceQuietly(*k);
    } else {
        portChoice->setPortChoiceQuietly(portChoice->savedPortChoice().value_or(0));
        if (!options.port.isEmpty())
            portChoice->usePathForRun(options.port);
    }

    // A line whose rate is set on its device server runs at the rate in force.
    link->setLineBaud(BaudRate(inForce));
    if (!link->maySetRate(BaudRate(baudIndex))) {
        prompter.error(CommErrorText(comm::kRateFixed, portChoice->portText()));
        return false;
    }
    portChoice->setBaudChoiceQuietly(baudIndex);
    link->setLineBaud(BaudRate(baudIndex));
    return true;
}

std::optional<TargetChoice> CliContext::targetChoice()
{
    TargetChoice choice;
    const QString& target = options.target;
    if (target.isEmpty() || target == QLatin1String("broadcast")) {
        choice.mode = SendMode::Broadcast;
        return choice;
    }
    if (target == QLatin1String("queue")) {
        choice.mode = SendMode::AddressQueue;
        choice.queueAddressString = QueueAddressString(LoadAddressQueue(folder).entries);
        return choice;
    }
    const QString message = SpecifiedAddressMessage(target);
    if (!message.isEmpty()) {
        prompter.error(message);
        return std::nullopt;
    }
    choice.mode = SendMode::SpecifiedAddress;
    choice.specifiedAddress = target;
    return choice;
}

bool CliContext::targetsOneUnit() const
{
    return !options.target.isEmpty() && options.target != QLatin1String("broadcast")
           && options.target != QLatin1String("queue");
}

int CliContext::finish(const Outcome& outcome)
{
    return outcome.done() ? 0 : 1;
}

int CliContext::usage(const QString& text, const QString& reason)
{
    if (!reason.isEmpty())
        PrintErr(reason);
    return PrintUsage(text);
}

int PrintUsage(const QString& text)
{
    PrintErr(QStringLiteral("usage: kvctl [global options] ") + text);
    return 2;
}

void CliContext::sentDataShown(const QString& paneText)
{
    PrintOut(paneText);
}

void CliContext::trafficLogged(const TrafficEntry& entry)
{
    if (!log_)
        return;
    for (const TrafficRow& row : traffic_.rows(entry))
        log_->write(TrafficLine(row).toUtf8() + '\n');
    log_->flush();
}

} // namespace kv::cli
