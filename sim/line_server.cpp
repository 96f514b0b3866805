#include "sim/line_server.h"

#include "decode/hex_text.h"
#include "sim/pty_line.h"
#include "sim/simulator.h"
#include "sim/traffic_log.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>

namespace kv::sim {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

qint64 nowUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// Output the line refuses (the tool's input queue is full) is tried again shortly.
constexpr qint64 kRetryUs = 10'000;
constexpr qint64 kSettlingIntervalUs = 100;

} // namespace

int ServeLine(PtyLine& line, Simulator& simulator, TrafficLog& log)
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, nullptr, &waitMask);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGINT);

    while (!stopRequested) {
        qint64 wake = simulator.nextWakeUs();
        if (line.settingsSettling()) {
            const qint64 soon = nowUs() + kSettlingIntervalUs;
            wake = wake < 0 ? soon : std::min(wake, soon);
        }
        timespec timeout{};
        timespec* timeoutArg = nullptr;
        if (wake >= 0) {
            const qint64 waitUs = std::max<qint64>(0, wake - nowUs());
            timeout.tv_sec = time_t(waitUs / 1'000'000);
            timeout.tv_nsec = long(waitUs % 1'000'000) * 1000;
            timeoutArg = &timeout;
        }
        pollfd fd{line.masterFd(), POLLIN | POLLPRI, 0};
        const int ready = ::ppoll(&fd, 1, timeoutArg, &waitMask);
        if (ready < 0 && errno != EINTR) {
            std::perror("kvsim: ppoll");
            return 1;
        }
        line.lookAgain();
        if (ready > 0) {
            const bool ok = line.readInput([&](const QByteArray& bytes, int baud) {
                simulator.receive(bytes, baud, nowUs());
            });
            if (!ok) {
                std::perror("kvsim: reading the line");
                return 1;
            }
        }
        const qint64 now = nowUs();
        simulator.advance(now);
        const QList<Simulator::Output> due = simulator.takeDueOutput(now);
        for (qsizetype i = 0; i < due.size(); ++i) {
            const Simulator::Output& out = due.at(i);
            const qint64 written = line.write(out.bytes);
            if (written < 0) {
                std::perror("kvsim: writing the line");
                return 1;
            }
            if (written > 0)
                log.write(QStringLiteral("TX %1 | %2").arg(SpacedHexPairs(out.bytes.left(written)), out.label));
            if (written < out.bytes.size()) {
                for (qsizetype j = due.size() - 1; j > i; --j)
                    simulator.putBack(due.at(j));
                simulator.putBack({now + kRetryUs, out.bytes.mid(written), out.label});
                break;
            }
        }
    }
    return 0;
}

} // namespace kv::sim
