// The line of advice added to a port error: what the user can do about it, in their language.
#pragma once

#include <QString>

#include "language/ui_language.h"
#include "platform/port_error.h"

namespace qv {

// Where the user reads the advice: the program offers Retry and Find My Cable, the command
// line offers running the command again and `qv730-cli ports`.
enum class AdviceReader { Program, CommandLine };

// One line saying what to do, or "" for a problem with no advice (PortProblem::Other, None).
QString PortAdvice(const PortError& error, const UiTexts& texts, AdviceReader reader,
                   HostSystem host = kThisHost);

// "COM3 (/dev/ttyUSB0): Permission denied" and, on the next line, the advice when there is one.
// `portLabel` names the port as messages do (PortLabel).
QString PortErrorMessage(const QString& portLabel, const PortError& error, const UiTexts& texts,
                         AdviceReader reader, HostSystem host = kThisHost);

}  // namespace qv
