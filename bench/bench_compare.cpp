// qv730-cli diff's work: two images described in the editors' words. "few" differs in a channel
// and a setting (a plan against its edit), "plan vs blank" in every row the editors show (a plan
// against a radio never programmed), "equal" in nothing.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench_template.h"
#include "compare/image_differences.h"

namespace {

void Describe(benchmark::State& state, const qv::RadioImage& from, const qv::RadioImage& to) {
    const qv::UiTexts texts;
    for (auto _ : state) {
        const qv::ImageDifferences differences = qv::DescribeDifferences(from, to, texts);
        benchmark::DoNotOptimize(differences.items.size());
    }
}

void BM_DiffEqual(benchmark::State& state) {
    const qv::RadioImage plan = TemplateData().image;
    Describe(state, plan, plan);
}
BENCHMARK(BM_DiffEqual);

void BM_DiffFew(benchmark::State& state) {
    const qv::RadioImage plan = TemplateData().image;
    qv::RadioImage edited = plan;
    edited[0x30] ^= 0x01;   // channel 3's RX frequency
    edited[0x182] ^= 0x01;  // squelch
    Describe(state, plan, edited);
}
BENCHMARK(BM_DiffFew)->Unit(benchmark::kMillisecond);

void BM_DiffPlanVsBlank(benchmark::State& state) {
    const qv::RadioImage plan = TemplateData().image;
    qv::RadioImage blank;
    for (int a = 0; a < qv::kImageSize; ++a) blank[a] = 0xFF;
    Describe(state, plan, blank);
}
BENCHMARK(BM_DiffPlanVsBlank)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the channel table is a Qt model
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
