// The port dialog's test of whether a port can be used, behind an interface so tests can answer
// for ports that do not exist.
#pragma once

#include <QString>

#include "platform/port_error.h"
#include "platform/serial_adapter.h"

namespace qv {

class PortProbe {
public:
    virtual ~PortProbe() = default;
    // Whether port n (1 to 16), whose device is `device`, opens and takes bytes: a PortError
    // with PortProblem::None when it does, else why not.
    virtual PortError TestPort(int port, const QString& device) = 0;

    bool PortUsable(int port, const QString& device) { return !TestPort(port, device).Failed(); }
};

// Opens the device at 19200 baud, sends "ATI1" and a carriage return, waits 200 ms and closes
// it. The answer plays no part: only whether the port opens and takes the bytes.
class SerialPortProbe : public PortProbe {
public:
    // The ports are the system's unless `adapters` makes others.
    explicit SerialPortProbe(SerialAdapterFactory adapters = {}) : adapters_(std::move(adapters)) {}
    PortError TestPort(int port, const QString& device) override;

private:
    SerialAdapterFactory adapters_;
};

}  // namespace qv
