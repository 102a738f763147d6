// Encode and decode of the template and of random data, and a .tw save + load round trip.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "bench_template.h"
#include "data/data_file.h"

namespace {

qv::RadioImage RandomImage() {
    qv::RadioImage image;
    QRandomGenerator random(42);
    for (int a = 0; a < qv::kImageSize; ++a)
        image[a] = static_cast<std::uint8_t>(random.bounded(256));
    return image;
}

void Encode(benchmark::State& state, const qv::RadioImage& image) {
    const qv::ByteBuffer plain = qv::PlainContent(image);
    for (auto _ : state) {
        qv::ByteBuffer buffer = plain;
        qv::EncodeBuffer(buffer);
        benchmark::DoNotOptimize(buffer.data());
    }
}

void Decode(benchmark::State& state, const qv::RadioImage& image) {
    const qv::ByteBuffer stored = qv::EncodeDataFile(image);
    for (auto _ : state) {
        qv::ByteBuffer buffer = stored;
        qv::DecodeBuffer(buffer);
        benchmark::DoNotOptimize(buffer.data());
    }
}

void BM_EncodeTemplate(benchmark::State& state) {
    Encode(state, TemplateData().image);
}
void BM_DecodeTemplate(benchmark::State& state) {
    Decode(state, TemplateData().image);
}
void BM_EncodeRandom(benchmark::State& state) {
    Encode(state, RandomImage());
}
void BM_DecodeRandom(benchmark::State& state) {
    Decode(state, RandomImage());
}

void BM_SaveLoadRoundTrip(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.tw");
    qv::RadioData data;
    data.image = TemplateData().image;
    for (auto _ : state) {
        if (!qv::SaveFile(path, data.image).ok) std::abort();
        if (qv::LoadFile(path, data) != qv::LoadStatus::Ok) std::abort();
    }
}

BENCHMARK(BM_EncodeTemplate);
BENCHMARK(BM_DecodeTemplate);
BENCHMARK(BM_EncodeRandom);
BENCHMARK(BM_DecodeRandom);
BENCHMARK(BM_SaveLoadRoundTrip);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
