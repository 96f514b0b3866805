// Costs of the link's hot paths: the reply wait per received byte, frame building and
// the code page 936 conversion of a full-length caption.

#include "base/cp936.h"
#include "link/frames.h"
#include "link/link.h"
#include "memory_port.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kv;
using namespace kv::test;

static void ReplyWaitOf55BytesInBursts(benchmark::State& state)
{
    QTemporaryDir dir;
    FakeClock clock;
    MemoryPort* port = nullptr;
    Link link(
        [&] {
            auto p = std::make_unique<MemoryPort>(clock);
            port = p.get();
            return p;
        },
        clock);
    link.setDeviceSource([] { return PortDevice{QStringLiteral("memory"), QStringLiteral("COM1")}; });
    link.ensurePortOpen();
    port->onWrite = [](MemoryPort& p, const QByteArray&) {
        for (int i = 0; i < 55; ++i)
            p.arrive(i, QByteArray(1, char(i)));
    };
    for (auto _ : state) {
        link.write(QByteArray(6, '\x5A'));
        benchmark::DoNotOptimize(link.waitReply(55, 2500));
    }
}
BENCHMARK(ReplyWaitOf55BytesInBursts);

static void CheckByteFrameOfACharacterRecord(benchmark::State& state)
{
    const QByteArray record(55, '\x3C');
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckByteFrame(0xFC, 1, record));
}
BENCHMARK(CheckByteFrameOfACharacterRecord);

static void Cp936OfAFullCaption(benchmark::State& state)
{
    const QString caption = QString(QStringLiteral("字幕叠加器ABC ")).repeated(250);
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeCp936(caption));
}
BENCHMARK(Cp936OfAFullCaption);
