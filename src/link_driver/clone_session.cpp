#include "link_driver/clone_session.h"

#include <QEventLoop>
#include <QTimer>

#include "link_driver/clone_driver.h"
#include "platform/serial_link.h"

namespace qv {

CloneResult RunClone(RadioImage& image, const CloneRequest& request) {
    QTimer sendTimer;
    QTimer receiveTimer;
    SerialLink port(request.texts);
    CloneDriver driver(image, port, sendTimer, receiveTimer);
    CloneEngine& engine = driver.engine();
    engine.CloneMode = request.CloneMode;
    engine.FirstRow = request.FirstRow;
    engine.LastRow = request.LastRow;
    engine.Timing = request.timing;

    if (!port.Open(request.device, CloneLineSettings(), kCloneReceiveBufferBytes)) {
        return {false, port.ErrorText(), port.LastError()};
    }
    QEventLoop loop;
    if (request.progress)
        QObject::connect(&driver, &CloneDriver::progressChanged, request.progress);
    QObject::connect(&driver, &CloneDriver::completed, &loop, [&loop] { loop.exit(0); });
    QObject::connect(&driver, &CloneDriver::failed, &loop, [&loop] { loop.exit(1); });
    driver.Begin();
    const bool ok = loop.exec() == 0;
    driver.Stop();
    const PortError portError = port.LastError();
    port.Close();
    if (ok) return {true, {}, {}};
    return {false, request.texts.UiText("CloneDialog", "Connection Fail!"), portError};
}

WriteRun RunWriteSequence(ByteChannel& line, const RadioImage& plan, const WriteOptions& options,
                          const LinkTiming& timing,
                          const std::function<void(RadioStep, double)>& progress) {
    QTimer sendTimer;
    QTimer receiveTimer;
    RadioImage unused;
    CloneDriver driver(unused, line, sendTimer, receiveTimer);
    driver.engine().Timing = timing;
    WriteSequence sequence(driver);
    QEventLoop loop;
    if (progress) {
        QObject::connect(&sequence, &WriteSequence::progressChanged,
                         [&](double percent) { progress(sequence.Step(), percent); });
    }
    QObject::connect(&sequence, &WriteSequence::finished, &loop, [&loop] { loop.exit(0); });
    sequence.Start(plan, options);
    loop.exec();
    sequence.Stop();
    WriteRun run;
    run.verdict = sequence.Verdict();
    run.hasBackup = sequence.HasBackup();
    run.backup = sequence.Backup();
    run.backupPath = sequence.BackupPath();
    run.backupError = sequence.BackupError();
    run.readBack = sequence.ReadBack();
    return run;
}

}  // namespace qv
