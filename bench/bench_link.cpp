// The radio link: the clone engine on its own, and whole reads and writes over a pseudo-terminal
// against qv730-radiosim paced at 9600 baud. A transfer cannot beat the time its bytes spend on
// the wire at 960 bytes a second (0.66 s for a read, 1.15 s for a write); "x_wire" is the time
// taken as a multiple of that limit. The argument is the receive poll period (ComInterval[ms]):
// 50 as shipped, 20 to see what the protocol itself costs (a period below the 1.04 ms a byte
// takes at 9600 baud would find gaps inside a reply and fail it, as the protocol says).
// Needs qv730-radiosim beside it (build the whole project, or that target too).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <chrono>

#include "link/clone.h"
#include "link_driver/clone_session.h"
#include "platform/serial_link.h"

namespace {

constexpr double kWireBytesPerSecond = 960.0;

// Bytes on the wire, both ways: handshake 7 + 5, each read row 4 + 20, each written row 20 + 1,
// End 1.
constexpr double kReadWireBytes = 7 + 5 + 26 * (4 + 20) + 1;
constexpr double kWriteWireBytes = 7 + 5 + 52 * (20 + 1) + 1;

void BM_EngineFullRead(benchmark::State& state) {
    qv::RadioImage image;
    QByteArray rowReply("W\x00\x10\x10", 4);
    rowReply.append(QByteArray(16, '\x5A'));
    const QByteArray handshakeReply("\x06\x00\x00\x00\x00", 5);
    for (auto _ : state) {
        qv::CloneEngine engine(image);
        qv::CloneStep step = engine.Begin();
        while (step.outcome == qv::CloneOutcome::Running) {
            step = engine.SendTick();
            if (step.frame == qv::EndFrame()) {
                step = engine.ReceiveTick({});
                break;
            }
            step = engine.ReceiveTick(engine.CurrentRow() == qv::kHandshakeRow ? handshakeReply
                                                                               : rowReply);
        }
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_EngineFullRead);

// The virtual radio for the life of one benchmark.
class PacedRadio {
public:
    PacedRadio() {
        radio_.start(QDir(QCoreApplication::applicationDirPath()).filePath("qv730-radiosim"),
                     {"--pace"});
        QByteArray line;
        while (!line.contains('\n') && radio_.waitForReadyRead(10000)) {
            line += radio_.readAllStandardOutput();
        }
        path_ = QString::fromLocal8Bit(line.left(line.indexOf('\n')));
    }
    ~PacedRadio() {
        radio_.terminate();
        radio_.waitForFinished(10000);
    }
    QString path() const { return path_; }

private:
    QProcess radio_;
    QString path_;
};

void Transfer(benchmark::State& state, qv::CloneMode mode) {
    PacedRadio radio;
    if (radio.path().isEmpty()) {
        state.SkipWithError("qv730-radiosim did not start");
        return;
    }
    const bool reading = mode == qv::CloneMode::Read;
    qv::RadioImage image;
    qv::PrepareImageForWrite(image);
    qv::CloneRequest request;
    request.device = radio.path();
    request.CloneMode = mode;
    request.FirstRow = 1;
    request.LastRow = reading ? qv::kReadLastRow : qv::kWriteLastRow;
    request.timing.RecvInterval = static_cast<std::int16_t>(state.range(0));
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const qv::CloneResult result = qv::RunClone(image, request);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!result.ok) state.SkipWithError(qPrintable(result.error));
    }
    const double wireSeconds = (reading ? kReadWireBytes : kWriteWireBytes) / kWireBytesPerSecond;
    state.counters["wire_s"] = wireSeconds;
    state.counters["x_wire"] = seconds / double(state.iterations()) / wireSeconds;
}

void BM_PacedRead(benchmark::State& state) {
    Transfer(state, qv::CloneMode::Read);
}
void BM_PacedWrite(benchmark::State& state) {
    Transfer(state, qv::CloneMode::Write);
}
BENCHMARK(BM_PacedRead)
    ->Arg(50)
    ->Arg(20)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_PacedWrite)
    ->Arg(50)
    ->Arg(20)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One radio written as the write dialog does it, on a port held open: the plain write (exactly the
// protocol's 54 frames), with the backup read first, with the read-back check after, and with
// both. Sessions in a row wait SessionGap[ms] (500 as shipped) for the radio to leave its clone
// mode; the argument picks the check boxes: bit 0 backup, bit 1 verify.
void BM_PacedWriteSequence(benchmark::State& state) {
    PacedRadio radio;
    if (radio.path().isEmpty()) {
        state.SkipWithError("qv730-radiosim did not start");
        return;
    }
    const qv::UiTexts texts;
    qv::SerialLink port(texts);
    if (!port.Open(radio.path(), qv::CloneLineSettings(), qv::kCloneReceiveBufferBytes)) {
        state.SkipWithError(qPrintable(port.ErrorText()));
        return;
    }
    qv::RadioImage plan;
    qv::PrepareImageForWrite(plan);
    qv::WriteOptions options;
    options.backupFirst = state.range(0) & 1;
    options.verify = state.range(0) & 2;
    options.backupFolder = QDir::temp().filePath("qv730-bench-backups");
    const qv::LinkTiming timing;  // as shipped: 50 ms polls, 40 polls, 500 ms between sessions
    options.sessionGapMs = timing.SessionGapMs;
    for (auto _ : state) {
        const qv::WriteRun run = qv::RunWriteSequence(port, plan, options, timing);
        if (!qv::Succeeded(run.verdict)) state.SkipWithError("the write failed");
    }
    QDir(options.backupFolder).removeRecursively();
}
BENCHMARK(BM_PacedWriteSequence)
    ->ArgName("backup1_verify2")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the serial port and the timers need an application
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
