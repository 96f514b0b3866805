// Costs of reading the application folder's files: decoding code page 936 text full of
// bytes that have no meaning (a damaged or foreign COM.TXT or data.txt), next to clean
// text of the same size, and reading a settings file's first line out of a large file.

#include "base/app_folder.h"
#include "base/cp936.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kv;

namespace {
constexpr int kMegabyte = 1024 * 1024;
}

static void DecodeOneMegabyteOfUndecodableBytes(benchmark::State& state)
{
    const QByteArray bytes(kMegabyte, '\xFF');
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeCp936(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(DecodeOneMegabyteOfUndecodableBytes)->Unit(benchmark::kMillisecond);

static void DecodeOneMegabyteOfChineseText(benchmark::State& state)
{
    const QByteArray bytes = QByteArray("\xD6\xD0").repeated(kMegabyte / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeCp936(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(DecodeOneMegabyteOfChineseText)->Unit(benchmark::kMillisecond);

static void FirstLineOfAOneMegabyteSettingsFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("COM.TXT");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(kMegabyte, '\xFF'));
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadFirstLine(path));
}
BENCHMARK(FirstLineOfAOneMegabyteSettingsFile)->Unit(benchmark::kMicrosecond);
