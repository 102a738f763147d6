// The channel list page: describing it, and the whole one-page PDF in each language (the Print
// and Export commands and qv730-cli export-pdf). Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include "bench_template.h"
#include "data/data_file.h"
#include "language/ui_language.h"
#include "print/channel_list_page.h"
#include "print/channel_list_pdf.h"

namespace {

void BM_DescribeChannelList(benchmark::State& state) {
    const qv::RadioData data = TemplateData();
    const qv::UiTexts texts;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            qv::DescribeChannelList(data, "plan.tw", QDate(2026, 12, 10), texts));
    }
}

void BM_ChannelListPdf(benchmark::State& state, qv::Language language) {
    const qv::UiTexts texts(language);
    const qv::RadioData data = TemplateData();
    for (auto _ : state) {
        const QByteArray pdf = qv::ChannelListPdf(data, "plan.tw", QDate(2026, 12, 10), texts);
        if (pdf.isEmpty()) std::abort();
        benchmark::DoNotOptimize(pdf.data());
    }
}

BENCHMARK(BM_DescribeChannelList)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChannelListPdf, english, qv::Language::English)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChannelListPdf, chinese, qv::Language::Chinese)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
