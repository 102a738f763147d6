// The main window: start-up until the channel editor is shown, and a language switch with an
// editor open. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "data/ui_language.h"
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

BENCHMARK(BM_StartUpToChannelEditor)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LanguageSwitch, channel_editor_open, qv::Editor::Channel)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LanguageSwitch, general_settings_open, qv::Editor::Setting)
    ->Unit(benchmark::kMillisecond);

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
