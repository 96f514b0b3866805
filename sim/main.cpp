#include "sim/faults.h"
#include "sim/font_file.h"
#include "sim/line_server.h"
#include "sim/options.h"
#include "sim/picture_files.h"
#include "sim/pty_line.h"
#include "sim/simulator.h"
#include "sim/state_writer.h"
#include "sim/traffic_log.h"
#include "sim/unit_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <QJsonArray>

#include <csignal>
#include <cstdio>
#include <functional>
#include <sched.h>

using namespace kv::sim;

namespace {

void printError(const QString& text)
{
    std::fprintf(stderr, "kvsim: %s\n", qPrintable(text));
}

// The font every unit starts with: the given file, else the local font beside the
// program when there is one, else an empty font.
bool startFont(const Options& options, QByteArray& font)
{
    font = QByteArray(kFontSize, '\0');
    QString error;
    if (!options.fontPath.isEmpty()) {
        if (!LoadFontFile(options.fontPath, font, error)) {
            printError(error);
            return false;
        }
        return true;
    }
    const QString local = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("hebingf.bin"));
    if (QFileInfo::exists(local) && !LoadFontFile(local, font, error)) {
        printError(error);
        font = QByteArray(kFontSize, '\0');
    }
    return true;
}

// The units of the --unit options, each with the settings the store kept for its
// position in the list; a fault switch for an address finds the unit that has that
// address once the store is applied.
QList<Unit> buildUnits(const Options& options, const QByteArray& font, const QJsonArray& stored,
                       const std::function<void(const QString&)>& note)
{
    QList<Unit> units;
    for (qsizetype i = 0; i < options.units.size(); ++i) {
        const UnitOption& option = options.units.at(i);
        UnitState state;
        state.address = option.address;
        state.baud = option.baud;
        state.product = option.product;
        state.font = font;
        if (i < stored.size()) {
            QString error;
            if (!stored.at(i).isObject())
                error = QStringLiteral("not an object");
            if (error.isEmpty() && RestoreStoredSettings(stored.at(i).toObject(), state, error)) {
                note(QStringLiteral("unit %1 comes up from the store: address %2, %3 baud")
                         .arg(i + 1).arg(state.address).arg(state.baud));
            } else {
                note(QStringLiteral("stored unit %1 is unreadable (%2): it starts from its defaults")
                         .arg(i + 1).arg(error));
            }
        }
        Faults faults;
        for (const FaultSwitch& fault : options.faults) {
            if (fault.address < 0 || fault.address == state.address)
                ApplyFaultSwitch(faults, fault);
        }
        units.append(Unit(state, faults));
    }
    return units;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(qPrintable(UsageText()), stdout);
        return 0;
    }
    Options options;
    QString error;
    if (!ParseOptions(args, options, error)) {
        printError(error);
        std::fputs(qPrintable(UsageText()), stderr);
        return 2;
    }
    QByteArray font;
    if (!startFont(options, font))
        return 2;

    // Stop requests wait until the line is up and the server can end cleanly.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    TrafficLog log;
    if (!options.logPath.isEmpty() && !log.open(options.logPath, error)) {
        printError(error);
        return 1;
    }
    auto note = [&log](const QString& text) {
        printError(text);
        log.write(text);
    };
    UnitStore store(options.storePath);
    QJsonArray stored;
    if (!options.storePath.isEmpty()) {
        QString storeNote;
        stored = store.load(storeNote);
        if (!storeNote.isEmpty())
            note(storeNote);
    }
    Simulator simulator(buildUnits(options, font, stored, note), options.pace,
                        qint64(options.turnaroundMs) * 1000);
    simulator.setLog(&log);
    if (!options.storePath.isEmpty()) {
        simulator.setStore(&store);
        simulator.writeStore();
    }
    const PictureFiles pictureFiles(options.picturesPath);
    if (!options.picturesPath.isEmpty()) {
        if (!QDir().mkpath(options.picturesPath)) {
            printError(QStringLiteral("cannot make the picture folder %1").arg(options.picturesPath));
            return 1;
        }
        simulator.setPictureFiles(&pictureFiles);
    }
    const StateWriter stateWriter(options.statePath);
    if (!options.statePath.isEmpty()) {
        simulator.setStateWriter(&stateWriter);
        simulator.writeState();
    }

    // The rate of the tool's bytes is read from the terminal settings, which the tool
    // changes again as soon as it closes its port; a simulator that runs the moment
    // the settings change sees them. Where real-time scheduling is not allowed the
    // simulator still works, with the last rate it saw for late reads.
    sched_param priority{};
    priority.sched_priority = 10;
    sched_setscheduler(0, SCHED_FIFO, &priority);

    PtyLine line;
    if (!line.open(options.linkPath, error)) {
        printError(error);
        return 1;
    }
    return ServeLine(line, simulator, log);
}
