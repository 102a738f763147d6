#include "link/driver/clone_session.h"

#include <QEventLoop>
#include <QTimer>

#include "link/driver/clone_driver.h"
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
    engine.RecvInterval = request.timing.RecvInterval;
    engine.RecvLimit = request.timing.RecvLimit;

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

}  // namespace qv
