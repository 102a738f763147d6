// Settings editors: decoding and encoding the settings bytes through the models, and a full
// refresh of each window (captions, option lists, fields) as a language switch or file load does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "editors/audio/audio_settings_model.h"
#include "editors/audio/frm_audio.h"
#include "editors/customized/customized_tone_model.h"
#include "editors/customized/frm_customized_signal.h"
#include "editors/key/frm_key.h"
#include "editors/key/side_button_model.h"
#include "editors/setting/frm_setting.h"
#include "editors/setting/general_settings_model.h"

namespace {

qv::RadioData& Data() {
    static qv::RadioData data = [] {
        qv::RadioData d;
        for (int a = 0x180; a < 0x1B0; ++a) d.image[a] = static_cast<std::uint8_t>(a * 37);
        return d;
    }();
    return data;
}

// The customized tones are read and written with a locale's numbers; the other models need none.
template <typename Model>
void LoadSave(Model& model, const qv::UiTexts& texts) {
    if constexpr (requires { model.Load(texts); }) {
        model.Save(model.Load(texts), texts);
    } else {
        model.Save(model.Load());
    }
}

template <typename Model>
void BM_ModelLoadSave(benchmark::State& state) {
    qv::RadioImage image = Data().image;
    const qv::UiTexts texts;
    Model model(image);
    for (auto _ : state) {
        LoadSave(model, texts);
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_ModelLoadSave<qv::GeneralSettingsModel>)->Name("GeneralSettingsModel/LoadSave");
BENCHMARK(BM_ModelLoadSave<qv::AudioSettingsModel>)->Name("AudioSettingsModel/LoadSave");
BENCHMARK(BM_ModelLoadSave<qv::SideButtonModel>)->Name("SideButtonModel/LoadSave");
BENCHMARK(BM_ModelLoadSave<qv::CustomizedToneModel>)->Name("CustomizedToneModel/LoadSave");

void BM_DescribeAll(benchmark::State& state) {
    qv::RadioImage image = Data().image;
    const qv::UiTexts texts;
    for (auto _ : state) {
        auto a = qv::GeneralSettingsModel(image).Describe(texts);
        auto b = qv::AudioSettingsModel(image).Describe(texts);
        auto c = qv::SideButtonModel(image).Describe(texts);
        benchmark::DoNotOptimize(a.size() + b.size() + c.size());
    }
}
BENCHMARK(BM_DescribeAll)->Name("Describe/GeneralAudioSideButtons");

template <typename Window>
void BM_WindowRefreshAll(benchmark::State& state) {
    const qv::UiTexts texts;
    auto window = std::make_unique<Window>(Data(), texts);
    for (auto _ : state) window->RefreshAll();
}
BENCHMARK(BM_WindowRefreshAll<qv::FrmSetting>)->Name("FrmSetting/RefreshAll");
BENCHMARK(BM_WindowRefreshAll<qv::FrmAudio>)->Name("FrmAudio/RefreshAll");
BENCHMARK(BM_WindowRefreshAll<qv::FrmKey>)->Name("FrmKey/RefreshAll");
BENCHMARK(BM_WindowRefreshAll<qv::FrmCustomizedSignal>)->Name("FrmCustomizedSignal/RefreshAll");

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
