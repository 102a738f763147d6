// Speed of the channel table's load and save over the start-up template, and of opening the
// memory map and pressing OK (16,384 cells filled and read back).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include "data/data_file.h"
#include "editors/channel/channel_table.h"
#include "editors/memory_map/frm_memory_map.h"

namespace {

qv::RadioData TemplateData() {
    qv::RadioData data;
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("default.tw");
    if (qv::LoadFile(path, data) != qv::LoadStatus::Ok) data.SetDefaultBandLimits();
    return data;
}

void BM_ChannelLoadDataSaveData(benchmark::State& state) {
    qv::RadioData data = TemplateData();
    qv::ChannelTable table(data);
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
    qv::ChannelTable table(data);
    for (auto _ : state) {
        table.RefreshAll();  // the tone list is rebuilt too
        table.SaveData();
        benchmark::DoNotOptimize(data.image.data());
    }
}
BENCHMARK(BM_ChannelRefreshAllSaveData)->Unit(benchmark::kMicrosecond);

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
