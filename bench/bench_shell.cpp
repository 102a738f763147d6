// The main window: start-up until the channel editor is shown, a language switch with an editor
// open, working out the title's modified mark, and the document's undo history (undo and redo of
// a 16-channel paste and of a CSV import, what 1,000 cell edits hold). Runs on the offscreen
// platform.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QUndoStack>

#include "data/data_file.h"
#include "editors/channel/channel_rows_text.h"
#include "editors/channel/channel_texts.h"
#include "editors/channel/csv/channel_csv.h"
#include "editors/channel/frm_channel.h"
#include "editors/common/document_history.h"
#include "language/ui_language.h"
#include "shell/main_window.h"
#include "support/test_context.h"

namespace {

// The program's folder with scripted prompts: no message box may wait for a click.
qv::AppContext& Context() {
    static qv::test::TestContext services(QCoreApplication::applicationDirPath());
    return services.context;
}

void BM_StartUpToChannelEditor(benchmark::State& state) {
    for (auto _ : state) {
        qv::MainWindow window(Context());
        window.show();
        QApplication::processEvents();
        if (!window.EditorVisible(qv::Editor::Channel)) std::abort();
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}

void BM_LanguageSwitch(benchmark::State& state, qv::Editor editor) {
    qv::MainWindow window(Context());
    window.show();
    if (editor == qv::Editor::Setting) window.ShowSetting();
    qv::Language language = qv::Language::English;
    for (auto _ : state) {
        language =
            language == qv::Language::English ? qv::Language::Chinese : qv::Language::English;
        window.SwitchLanguage(language);
        QApplication::processEvents();
    }
    window.SwitchLanguage(qv::Language::English);
}

// What each key or click the user makes costs the title's mark: the open editor stored into
// the image, compared with the baseline, the image put back.
void BM_ModifiedMark(benchmark::State& state, qv::Editor editor) {
    QTemporaryDir folder;
    qv::MainWindow window(Context());
    window.show();
    const QString plan = folder.filePath("plan.tw");
    if (!qv::SaveFile(plan, window.Data().image).ok || !window.OpenPath(plan)) std::abort();
    if (editor == qv::Editor::Setting) window.ShowSetting();
    for (auto _ : state) {
        window.UpdateModifiedMark();
        benchmark::DoNotOptimize(window.isWindowModified());
    }
}

// 16 channels unlike the template's, as tab-separated rows and as a native CSV plan.
qv::RadioData SixteenChannels(const qv::RadioData& start) {
    qv::RadioData data = start;
    qv::UiTexts texts;
    qv::ChannelTable table(data, texts);
    table.RefreshAll();
    for (int row = 1; row <= 16; ++row) {
        table.SetCellAsUser(row, qv::channel::kColRxFreq, QString("445.%1").arg(100 + 25 * row));
        table.SetCellAsUser(row, qv::channel::kColName, QString("CH%1").arg(row));
    }
    table.SaveData();
    return data;
}

qv::FrmChannel& ChannelEditor(qv::MainWindow& window) {
    return *static_cast<qv::FrmChannel*>(window.EditorOf(qv::Editor::Channel));
}

enum class Timed { Undo, Redo };

// One step made, then undone and redone over and over; only the timed half is measured. Each
// undo or redo writes the step's bytes and shows them in the open channel editor.
void MeasureStep(benchmark::State& state, qv::MainWindow& window, Timed timed) {
    qv::DocumentHistory& history = window.History();
    if (history.Stack().count() != 1) std::abort();
    for (auto _ : state) {
        if (timed == Timed::Undo) {
            history.Undo();
            state.PauseTiming();
            history.Redo();
            state.ResumeTiming();
        } else {
            state.PauseTiming();
            history.Undo();
            state.ResumeTiming();
            history.Redo();
        }
    }
}

void BM_UndoRedoPaste16(benchmark::State& state, Timed timed) {
    qv::MainWindow window(Context());
    window.show();
    qv::RadioData plan = SixteenChannels(window.Data());
    qv::ChannelTable source(plan, Context().texts());
    source.RefreshAll();
    QList<int> rows;
    for (int row = 1; row <= 16; ++row) rows << row;
    if (!ChannelEditor(window).PasteRowsText(qv::ChannelRowsText(source, plan, rows))) {
        std::abort();
    }
    MeasureStep(state, window, timed);
}

void BM_UndoRedoCsvImport(benchmark::State& state, Timed timed) {
    qv::MainWindow window(Context());
    window.show();
    const QByteArray csv = qv::ExportChannelsCsv(SixteenChannels(window.Data()));
    window.PushDocumentEdit([](const qv::UiTexts&) { return QStringLiteral("Import Channels"); },
                            [&] {
                                if (!qv::ImportChannelsCsv(csv, window.Data()).ok) std::abort();
                            });
    MeasureStep(state, window, timed);
}

// 1,000 cell edits typed into the grid, each one step: the time of the whole run, and what the
// history holds afterwards (its own count of bytes, and the heap's growth as malloc sees it).
void BM_ThousandCellEdits(benchmark::State& state) {
    std::size_t held = 0;
    std::size_t heap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<qv::MainWindow>(Context());
        window->show();
        qv::ChannelTable& table = ChannelEditor(*window).Table();
        const std::size_t heapBefore = mallinfo2().uordblks;
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i) {
            table.SetCellAsUser(1 + i % 8, qv::channel::kColName, QString("N%1").arg(i));
        }
        state.PauseTiming();
        heap = mallinfo2().uordblks - heapBefore;
        held = window->History().HeldBytes();
        if (window->History().Stack().count() != 1000) std::abort();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["history_bytes"] = double(held);
    state.counters["heap_growth_bytes"] = double(heap);
}

BENCHMARK(BM_StartUpToChannelEditor)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LanguageSwitch, channel_editor_open, qv::Editor::Channel)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LanguageSwitch, general_settings_open, qv::Editor::Setting)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ModifiedMark, channel_editor_open, qv::Editor::Channel)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ModifiedMark, general_settings_open, qv::Editor::Setting)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_UndoRedoPaste16, undo, Timed::Undo)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_UndoRedoPaste16, redo, Timed::Redo)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_UndoRedoCsvImport, undo, Timed::Undo)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_UndoRedoCsvImport, redo, Timed::Redo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThousandCellEdits)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
