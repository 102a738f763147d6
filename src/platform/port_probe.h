// The port dialog's test of whether a port can be used, behind an interface so tests can answer
// for ports that do not exist.
#pragma once

#include <set>
#include <vector>

namespace qv {

class PortProbe {
public:
    virtual ~PortProbe() = default;
    // True when port n (1 to 16) opens and takes bytes.
    virtual bool PortUsable(int port) = 0;
};

// The probe in force: the real serial ports unless a test installed another.
PortProbe& CurrentPortProbe();
// Installs a probe (not owned); nullptr goes back to the real one.
void SetPortProbe(PortProbe* probe);

// Opens the port's device at 19200 baud, sends "ATI1" and a carriage return, waits 200 ms and
// closes it. The answer plays no part: only whether the port opens and takes the bytes.
class SerialPortProbe : public PortProbe {
public:
    bool PortUsable(int port) override;
};

// For tests: the ports named usable, and a record of every port asked about.
class ScriptedPortProbe : public PortProbe {
public:
    std::set<int> usable;
    std::vector<int> asked;
    bool PortUsable(int port) override {
        asked.push_back(port);
        return usable.count(port) > 0;
    }
};

// Installs a probe for the life of a scope.
class ScopedPortProbe {
public:
    explicit ScopedPortProbe(PortProbe& probe) { SetPortProbe(&probe); }
    ~ScopedPortProbe() { SetPortProbe(nullptr); }
    ScopedPortProbe(const ScopedPortProbe&) = delete;
    ScopedPortProbe& operator=(const ScopedPortProbe&) = delete;
};

}  // namespace qv
