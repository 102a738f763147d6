// Speed of channel plans as CSV over the start-up template: export in both formats, the import
// of an unchanged plan (every cell compared, nothing applied), of a plan that changes every
// channel, and of a hand-written plan in the common format.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>

#include "bench_template.h"
#include "data/data_file.h"
#include "editors/channel/csv/channel_csv.h"

namespace {

qv::CsvImportOptions Renumbered() {
    qv::CsvImportOptions options;
    options.renumber = true;
    return options;
}

// Sixteen channels, every one of them different from the template's.
QByteArray SixteenChannelPlan() {
    QByteArray csv = "No.,CH Name,RX Freq.,RX CTCSS/DCS,TX Freq.,TX CTCSS/DCS,Scan,Busy Lock\r\n";
    for (int n = 1; n <= 16; ++n) {
        csv += QByteArray::number(n) + ",CH" + QByteArray::number(n) + "," +
               QByteArray::number(430 + n) + ".0125,67.0," + QByteArray::number(435 + n) +
               ".0125,D023N,No,Carrier\r\n";
    }
    return csv;
}

void BM_ExportNative(benchmark::State& state) {
    const qv::RadioData data = TemplateData();
    for (auto _ : state) benchmark::DoNotOptimize(qv::ExportChannelsCsv(data));
}
BENCHMARK(BM_ExportNative)->Unit(benchmark::kMicrosecond);

void BM_ExportCommon(benchmark::State& state) {
    const qv::RadioData data = TemplateData();
    for (auto _ : state) {
        benchmark::DoNotOptimize(qv::ExportChannelsCsv(data, qv::CsvFormat::Common));
    }
}
BENCHMARK(BM_ExportCommon)->Unit(benchmark::kMicrosecond);

void BM_ImportUnchangedPlan(benchmark::State& state) {
    qv::RadioData data = TemplateData();
    const QByteArray csv = qv::ExportChannelsCsv(data);
    for (auto _ : state) {
        if (!qv::ImportChannelsCsv(csv, data).ok) state.SkipWithError("refused");
    }
}
BENCHMARK(BM_ImportUnchangedPlan)->Unit(benchmark::kMicrosecond);

void BM_ImportSixteenChangedChannels(benchmark::State& state) {
    const qv::RadioData base = TemplateData();
    const QByteArray csv = SixteenChannelPlan();
    for (auto _ : state) {
        qv::RadioData data = base;
        if (!qv::ImportChannelsCsv(csv, data).ok) state.SkipWithError("refused");
    }
}
BENCHMARK(BM_ImportSixteenChangedChannels)->Unit(benchmark::kMicrosecond);

void BM_ImportCommonPlanRenumbered(benchmark::State& state) {
    const qv::RadioData base = TemplateData();
    QByteArray csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
        "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power\r\n";
    for (int n = 1; n <= 16; ++n) {
        csv += QByteArray::number(100 + n) + ",R" + QByteArray::number(n) + ",43" +
               QByteArray::number(n % 10) +
               ".0250,+,5.000000,Cross,88.5,67.0,023,NR,754,"
               "Tone->DTCS,NFM,12.50,S,5.0W\r\n";
    }
    for (auto _ : state) {
        qv::RadioData data = base;
        if (!qv::ImportChannelsCsv(csv, data, Renumbered()).ok) state.SkipWithError("refused");
    }
}
BENCHMARK(BM_ImportCommonPlanRenumbered)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
