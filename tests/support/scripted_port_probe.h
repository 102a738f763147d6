// A port probe for tests: the ports named usable, and a record of every port asked about.
#pragma once

#include <set>
#include <vector>

#include "platform/port_probe.h"

namespace qv {

class ScriptedPortProbe : public PortProbe {
public:
    std::set<int> usable;
    std::vector<int> asked;
    bool PortUsable(int port) override {
        asked.push_back(port);
        return usable.count(port) > 0;
    }
};

}  // namespace qv
