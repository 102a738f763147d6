// A port probe for tests: the ports named usable, the reasons given for others, and a record of
// every port asked about.
#pragma once

#include <map>
#include <set>
#include <vector>

#include "platform/port_probe.h"

namespace qv::test {

class ScriptedPortProbe : public PortProbe {
public:
    std::set<int> usable;
    std::map<int, PortError> problems;  // why a port that is not usable fails (default: no device)
    std::vector<int> asked;
    PortError TestPort(int port, const QString& device) override {
        asked.push_back(port);
        if (usable.count(port)) return {};
        if (const auto problem = problems.find(port); problem != problems.end()) {
            return problem->second;
        }
        return {PortProblem::NoDevice, device, {}, {}};
    }
};

}  // namespace qv::test
