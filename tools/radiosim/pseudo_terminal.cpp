#include "pseudo_terminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace qv::sim {

namespace {

bool Fail(std::string& error, const char* step) {
    error = std::string(step) + ": " + std::strerror(errno);
    return false;
}

}  // namespace

bool OpenPseudoTerminal(PseudoTerminal& pty, std::string& error) {
    pty.master = posix_openpt(O_RDWR | O_NOCTTY);
    if (pty.master < 0) return Fail(error, "posix_openpt");
    if (grantpt(pty.master) != 0) return Fail(error, "grantpt");
    if (unlockpt(pty.master) != 0) return Fail(error, "unlockpt");
    const char* name = ptsname(pty.master);
    if (!name) return Fail(error, "ptsname");
    pty.slavePath = name;
    // Without an open far end, reading the radio's end fails (EIO) whenever the program has
    // closed the port; holding one open keeps the radio usable for the next session.
    pty.slaveKeeper = open(name, O_RDWR | O_NOCTTY);
    if (pty.slaveKeeper < 0) return Fail(error, "open far end");
    // Raw bytes both ways: no echo, no line editing, no character translation.
    termios raw{};
    if (tcgetattr(pty.slaveKeeper, &raw) != 0) return Fail(error, "tcgetattr");
    cfmakeraw(&raw);
    if (tcsetattr(pty.slaveKeeper, TCSANOW, &raw) != 0) return Fail(error, "tcsetattr");
    const int flags = fcntl(pty.master, F_GETFL);
    fcntl(pty.master, F_SETFL, flags | O_NONBLOCK);
    return true;
}

void ClosePseudoTerminal(PseudoTerminal& pty) {
    if (pty.slaveKeeper >= 0) close(pty.slaveKeeper);
    if (pty.master >= 0) close(pty.master);
    pty.slaveKeeper = pty.master = -1;
}

}  // namespace qv::sim
