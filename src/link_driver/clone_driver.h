// Runs a clone transfer on an open line: the engine decides, two single-shot timers carry the
// ticks and the byte channel (the serial port, in the programs) moves the bytes. The clone
// dialog and qv730-cli both use it; the line is opened and closed by its owner.
#pragma once

#include <QObject>
#include <QTimer>

#include "link/clone.h"
#include "platform/byte_channel.h"

namespace qv {

class CloneDriver : public QObject {
    Q_OBJECT
public:
    // The timers belong to the caller (the dialog shows them as its TmrSend and TmrReceive).
    CloneDriver(RadioImage& image, ByteChannel& line, QTimer& sendTimer, QTimer& receiveTimer,
                QObject* parent = nullptr);

    CloneEngine& engine() { return engine_; }
    const CloneEngine& engine() const { return engine_; }

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
    ByteChannel& line_;
    QTimer& sendTimer_;
    QTimer& receiveTimer_;
};

}  // namespace qv
