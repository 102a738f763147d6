// The port dialog's test of whether a port can be used, behind an interface so tests can answer
// for ports that do not exist.
#pragma once

#include <QString>

namespace qv {

class PortProbe {
public:
    virtual ~PortProbe() = default;
    // True when port n (1 to 16) opens and takes bytes.
    virtual bool PortUsable(int port) = 0;
};

// Opens the port's device at 19200 baud, sends "ATI1" and a carriage return, waits 200 ms and
// closes it. The answer plays no part: only whether the port opens and takes the bytes.
// The device of each port number comes from Radio.INI in `iniFolder`.
class SerialPortProbe : public PortProbe {
public:
    explicit SerialPortProbe(QString iniFolder) : iniFolder_(std::move(iniFolder)) {}
    bool PortUsable(int port) override;

private:
    QString iniFolder_;
};

}  // namespace qv
