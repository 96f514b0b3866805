// The decoder's cost per megabyte of capture, as kvctl decode spends it: the stream read
// in pieces, each event made into its printed line. Random bytes give a line now and
// then; a run of 5A gives a line for every byte, the worst a capture can ask.

#include "decode/frame_meaning.h"
#include "decode/frame_parser.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace kv;

namespace {

constexpr qsizetype kMegabyte = 1 << 20;
constexpr qsizetype kPiece = 64 * 1024;

QByteArray randomBytes()
{
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(kMegabyte, '\0');
    for (char& b : bytes)
        b = char(byte(random));
    return bytes;
}

void decodeMegabyte(benchmark::State& state, const QByteArray& capture)
{
    for (auto _ : state) {
        FrameParser parser;
        qsizetype text = 0;
        const auto lines = [&](const QList<ParseEvent>& events) {
            for (const ParseEvent& event : events)
                text += (QString::fromLatin1(event.bytes.toHex(' ').toUpper()) + QLatin1Char('\t') + EventMeaning(event))
                            .toUtf8()
                            .size();
        };
        for (qsizetype at = 0; at < capture.size(); at += kPiece)
            lines(parser.feedPart(capture.mid(at, kPiece)));
        lines(parser.feed(QByteArray()));
        lines(parser.flush());
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(state.iterations() * capture.size());
}

} // namespace

static void DecodeAMegabyteOfRandomBytes(benchmark::State& state)
{
    decodeMegabyte(state, randomBytes());
}
BENCHMARK(DecodeAMegabyteOfRandomBytes)->Unit(benchmark::kMillisecond);

static void DecodeAMegabyteRunOf5A(benchmark::State& state)
{
    decodeMegabyte(state, QByteArray(kMegabyte, '\x5A'));
}
BENCHMARK(DecodeAMegabyteRunOf5A)->Unit(benchmark::kMillisecond);
