#pragma once

#include "base/app_folder.h"
#include "base/outcome.h"
#include "cli_prompter.h"
#include "link/clock.h"
#include "link/link.h"
#include "link/port_choice.h"
#include "link/send_target.h"

#include <QFile>
#include <QString>
#include <memory>
#include <optional>

namespace kv::cli {

// The global options of one run.
struct GlobalOptions {
    QString dir;
    QString port;     // COMk, a device path or a network address
    QString baud;     // one of the eight rates
    QString target;   // broadcast | queue | ADDR
    QString address = QStringLiteral("1");
    QString log;
    QString lang;     // zh | en
    bool yes = false;
};

// The application folder of a run: --dir, else the default one.
QString AppFolderRoot(const GlobalOptions& options);

// Everything a command needs: the application folder, the link set up with this run's
// port and rate, the terminal prompter and the options.
class CliContext : public LinkObserver {
public:
    // commandUsage: the running command's line of the command table.
    CliContext(const GlobalOptions& options, QString commandUsage);

    // Sets the link to this run's port and rate; false (after the message) when an
    // option is unusable.
    bool prepare();

    AppFolder folder;
    SteadyClock clock;
    // Declared after the clock: the link closes the port when it goes and waits on the
    // clock to do so.
    std::unique_ptr<Link> link;
    std::unique_ptr<PortChoice> portChoice;
    CliPrompter prompter;
    GlobalOptions options;

    // The send-mode option for this run; nothing (after the message) when --target holds
    // a value the window's box would refuse.
    std::optional<TargetChoice> targetChoice();
    // True when --target names one unit by its address (a value, not broadcast or queue).
    bool targetsOneUnit() const;
    // The device address box of the check-byte frames.
    const QString& deviceAddress() const { return options.address; }

    // Exit status of a command that ran: 0 when done; 1 when refused, failed, cancelled
    // by a No or stopped by a port fault, the operation having shown its reason on
    // standard error already. A run stopped by Ctrl+C ends as an interrupt whatever its
    // outcome (see main).
    int finish(const Outcome& outcome);
    // Prints why the command line was refused, when known, and the usage text of the
    // command to standard error; returns 2.
    int usage(const QString& text, const QString& reason = {});
    // The same with the command's line of the command table, for a command whose usage
    // says no more than that line.
    int usage() { return usage(commandUsage_); }

    // LinkObserver: the traffic log goes to --log, the sent-data echo to standard output.
    void sentDataShown(const QString& paneText) override;
    void trafficLogged(const TrafficEntry& entry) override;

private:
    QString commandUsage_;
    std::unique_ptr<QFile> log_;
    TrafficDecoder traffic_;
};

} // namespace kv::cli
