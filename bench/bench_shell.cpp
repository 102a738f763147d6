// The main window: start-up until the channel editor is shown, a language switch with an editor
// open, and working out the title's modified mark. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "data/data_file.h"
#include "data/ui_language.h"
#include "editors/channel/frm_channel.h"
#include "platform/prompts.h"
#include "shell/main_window.h"

namespace {

void BM_StartUpToChannelEditor(benchmark::State& state) {
    for (auto _ : state) {
        qv::MainWindow window;
        window.show();
        QApplication::processEvents();
        if (!window.EditorVisible(qv::Editor::Channel)) std::abort();
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}

void BM_LanguageSwitch(benchmark::State& state, qv::Editor editor) {
    qv::MainWindow window;
    window.show();
    if (editor == qv::Editor::Setting) window.ShowSetting();
    std::uint8_t language = qv::kEnglish;
    for (auto _ : state) {
        language = language == qv::kEnglish ? qv::kChinese : qv::kEnglish;
        window.SwitchLanguage(language);
        QApplication::processEvents();
    }
    window.SwitchLanguage(qv::kEnglish);
}

// What each key or click the user makes costs the title's mark: the open editor stored into
// the image, compared with the baseline, the image put back.
void BM_ModifiedMark(benchmark::State& state, qv::Editor editor) {
    QTemporaryDir folder;
    qv::MainWindow window;
    window.show();
    const QString plan = folder.filePath("plan.tw");
    if (!qv::SaveFile(plan, window.Data().image).ok || !window.OpenPath(plan)) std::abort();
    if (editor == qv::Editor::Setting) window.ShowSetting();
    for (auto _ : state) {
        window.UpdateModifiedMark();
        benchmark::DoNotOptimize(window.isWindowModified());
    }
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

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QApplication app(argc, argv);
    qv::ScriptedPrompts prompts;  // no message box may wait for a click
    qv::ScopedPrompts scoped(prompts);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
