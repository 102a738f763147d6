// The serial-port list: what the port dialog and `qv730-cli ports` do before any port is opened.
// Find My Cable asks the system for its devices every 250 ms, so one look must stay far below
// that; the port list of sixteen devices is numbered and described each time the dialog opens.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "language/ui_language.h"
#include "platform/port_description.h"
#include "platform/port_enumerator.h"
#include "platform/serial_port_map.h"

namespace {

class SixteenAdapters : public qv::PortEnumerator {
public:
    QList<qv::SerialDeviceInfo> AvailablePorts() const override {
        QList<qv::SerialDeviceInfo> devices;
        for (int i = 15; i >= 0; --i) {
            const QString name = (i % 2 ? "ttyUSB" : "ttyS") + QString::number(i);
            devices << qv::SerialDeviceInfo{name,   "/dev/" + name,  "USB2.0-Serial", "QinHeng",
                                            "A1B2", quint16(0x1a86), quint16(0x7523)};
        }
        return devices;
    }
};

// One look at the system's serial devices (QSerialPortInfo), as each Find My Cable poll makes.
void BM_SystemDeviceList(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(qv::SystemPortEnumerator::Instance().AvailablePorts());
    }
}
BENCHMARK(BM_SystemDeviceList)->Unit(benchmark::kMicrosecond);

// COM1 to COM16 numbered from sixteen devices and captioned as the port dialog shows them.
void BM_PortListCaptions(benchmark::State& state) {
    const SixteenAdapters enumerator;
    const QTemporaryDir noIni;
    const qv::UiTexts texts;
    for (auto _ : state) {
        for (const qv::PortEntry& entry : qv::ListPorts(noIni.path(), enumerator)) {
            benchmark::DoNotOptimize(qv::PortCaption(entry, texts));
        }
    }
}
BENCHMARK(BM_PortListCaptions)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
