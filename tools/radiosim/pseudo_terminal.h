// A pseudo-terminal whose far end looks to a program like a serial port.
#pragma once

#include <string>

namespace qv::sim {

struct PseudoTerminal {
    int master = -1;        // the radio's end
    int slaveKeeper = -1;   // held open so the radio's end keeps working between sessions
    std::string slavePath;  // what the program opens, /dev/pts/N
};

// Creates the pair with the far end in raw mode. On failure returns false with `error` set.
bool OpenPseudoTerminal(PseudoTerminal& pty, std::string& error);
void ClosePseudoTerminal(PseudoTerminal& pty);

}  // namespace qv::sim
