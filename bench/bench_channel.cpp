// Speed of the channel table's load and save over the start-up template, of the channel window's
// LoadData and SaveData, of pasting 16 channels into the window, and of opening the memory map
// and pressing OK (16,384 cells filled and read back).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include "bench_template.h"
#include "data/data_file.h"
#include "editors/channel/channel_rows_text.h"
#include "editors/channel/channel_table.h"
#include "editors/channel/frm_channel.h"
#include "editors/memory_map/frm_memory_map.h"
#include "support/test_context.h"

namespace {

void BM_ChannelLoadDataSaveData(benchmark::State& state) {
    qv::RadioData data = TemplateData();
    const qv::UiTexts texts;
    qv::ChannelTable table(data, texts);
    table.Display();
    for (auto _ : state) {
        table.LoadData();
        table.SaveData();
        benchmark::DoNotOptimize(data.image.data());
    }
}
BENCHMARK(BM_ChannelLoadDataSaveData)->Unit(benchmark::kMicrosecond);

void BM_ChannelRefreshAllSaveData(benchmark::State& state) {
    qv::RadioData data = TemplateData();
    const qv::UiTexts texts;
    qv::ChannelTable table(data, texts);
    for (auto _ : state) {
        table.RefreshAll();  // the tone list is rebuilt too
        table.SaveData();
        benchmark::DoNotOptimize(data.image.data());
    }
}
BENCHMARK(BM_ChannelRefreshAllSaveData)->Unit(benchmark::kMicrosecond);

void BM_ChannelWindowLoadDataSaveData(benchmark::State& state) {
    qv::RadioData data = TemplateData();
    qv::test::TestContext services;
    qv::FrmChannel window(data, services.context);
    for (auto _ : state) {
        window.LoadData();
        window.SaveData();
        benchmark::DoNotOptimize(data.image.data());
    }
}
BENCHMARK(BM_ChannelWindowLoadDataSaveData)->Unit(benchmark::kMicrosecond);

void BM_ChannelWindowPaste16Rows(benchmark::State& state) {
    qv::RadioData data = TemplateData();
    qv::test::TestContext services;
    qv::FrmChannel window(data, services.context);
    QList<int> rows;
    for (int row = 1; row <= 16; ++row) rows << row;
    const QString text = qv::ChannelRowsText(window.Table(), data, rows);
    for (auto _ : state) {
        // Every channel pasted over itself from the current row, channel 1: one undo step each.
        benchmark::DoNotOptimize(window.PasteRowsText(text));
    }
}
BENCHMARK(BM_ChannelWindowPaste16Rows)->Unit(benchmark::kMicrosecond);

void BM_MemoryMapOpenAndOk(benchmark::State& state) {
    qv::RadioData data = TemplateData();
    for (auto _ : state) {
        auto* window = new qv::FrmMemoryMap(data);
        window->show();
        window->findChild<QPushButton*>("cmdOK")->click();  // stores every byte and closes
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_MemoryMapOpenAndOk)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
