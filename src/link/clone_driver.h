// Runs a clone transfer on a real serial port: the engine decides, two single-shot timers carry
// the ticks and the serial link moves the bytes. The clone dialog and qv730-cli both use it.
#pragma once

#include <QObject>
#include <QTimer>

#include "link/clone.h"
#include "platform/serial_link.h"

namespace qv {

class CloneDriver : public QObject {
    Q_OBJECT
public:
    // The timers belong to the caller (the dialog shows them as its TmrSend and TmrReceive).
    CloneDriver(RadioImage& image, QTimer& sendTimer, QTimer& receiveTimer,
                QObject* parent = nullptr);

    CloneEngine& engine() { return engine_; }
    const CloneEngine& engine() const { return engine_; }

    // Opens the device for cloning: "9600,N,8,1", 1024-byte receive buffer, RTS raised. Any
    // port already open is closed first.
    bool OpenPort(const QString& device);
    QString PortErrorText() const { return link_.ErrorText(); }
    bool PortOpen() const { return link_.IsOpen(); }
    void ClosePort();

    // Starts the transfer from the handshake on the open port (also after a failure).
    void Begin();
    // Disarms both timers.
    void Stop();

signals:
    void progressChanged(double percent);
    void completed();  // the End frame has gone out
    void failed();     // no reply, a bad reply or a port error

private:
    void OnSendTick();
    void OnReceiveTick();
    void Apply(const CloneStep& step);

    CloneEngine engine_;
    SerialLink link_;
    QTimer& sendTimer_;
    QTimer& receiveTimer_;
};

}  // namespace qv
