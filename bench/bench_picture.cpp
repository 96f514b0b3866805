// Costs of the picture path: packing the largest static picture (133 120 pixels, the
// area limit) into rows and back, and rendering a text block 520 lines high.

#include "picture/dot_matrix.h"
#include "picture/text_block.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace kv;

namespace {
QImage largestPicture()
{
    // 256 x 520 = 133 120 pixels, a diagonal hatch so every byte is different.
    QImage picture(256, 520, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, (x + y) % 3 == 0 ? qRgb(0, 0, 0) : qRgb(240, 240, 240));
    return picture;
}

void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "bench_picture";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QGuiApplication(argc, argv);
}
} // namespace

static void PackRowsOfTheLargestPicture(benchmark::State& state)
{
    const QImage picture = largestPicture();
    for (auto _ : state)
        benchmark::DoNotOptimize(PackRowPicture(picture, kGreyInkThreshold));
    state.SetItemsProcessed(state.iterations() * 133120);
}
BENCHMARK(PackRowsOfTheLargestPicture);

static void UnpackRowsOfTheLargestPicture(benchmark::State& state)
{
    const PackedPicture packed = PackRowPicture(largestPicture(), kGreyInkThreshold);
    for (auto _ : state)
        benchmark::DoNotOptimize(UnpackRows(packed));
}
BENCHMARK(UnpackRowsOfTheLargestPicture);

static void RenderTextBlockOf520Lines(benchmark::State& state)
{
    ensureGuiApplication();
    // 26 lines of 20 pixels: a block 520 scan lines high, Chinese and Latin mixed.
    TextBlockInput input;
    input.text = QStringList(26, QStringLiteral("字幕叠加器 Caption 0123")).join(QStringLiteral("\r\n"));
    input.fontName = QStringLiteral("WenQuanYi Micro Hei");
    input.size = 20;
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderTextBlock(input));
}
BENCHMARK(RenderTextBlockOf520Lines)->Unit(benchmark::kMillisecond);
