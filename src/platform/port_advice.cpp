#include "platform/port_advice.h"

namespace qv {

namespace {

QString PermissionAdvice(const PortError& error, const UiTexts& texts) {
    const DeviceState& state = error.state;
    // Joining the device's group helps only where the group may read and write it.
    if (state.groupMayReadWrite && !state.group.isEmpty()) {
        return texts
            .UiText("PortAdvice",
                    "You may not open %1: it belongs to the group \"%2\". Add yourself with "
                    "\"sudo usermod -aG %2 $USER\", then log out and log in again.")
            .arg(error.device, state.group);
    }
    return texts
        .UiText("PortAdvice",
                "Only its owner \"%2\" may open %1: ask the administrator to give you access to "
                "it (the package's rule does so for common programming cables).")
        .arg(error.device, state.owner.isEmpty() ? QStringLiteral("root") : state.owner);
}

QString BusyAdvice(const PortError& error, const UiTexts& texts, HostSystem host) {
    if (host == HostSystem::Windows) {
        return texts
            .UiText("PortAdvice",
                    "Another program holds %1: close any other programming program or terminal "
                    "program that uses it, then try again.")
            .arg(error.device);
    }
    return texts
        .UiText("PortAdvice",
                "Another program holds %1: close it. A modem manager (ModemManager) or a "
                "braille-display service (brltty) often takes a freshly plugged USB adapter: stop "
                "it, then plug the cable in again.")
        .arg(error.device);
}

}  // namespace

QString PortAdvice(const PortError& error, const UiTexts& texts, AdviceReader reader,
                   HostSystem host) {
    const bool program = reader == AdviceReader::Program;
    switch (error.problem) {
        case PortProblem::NoDevice:
            return program
                       ? texts.UiText("PortAdvice",
                                      "No cable is plugged in, or it is on another port: use Find "
                                      "My Cable in Communication Port > Port Selection.")
                       : texts.UiText("PortAdvice",
                                      "No cable is plugged in, or it is on another port: "
                                      "\"qv730-cli ports\" lists the ports and their devices.");
        case PortProblem::PermissionDenied:
            return PermissionAdvice(error, texts);
        case PortProblem::Busy:
            return BusyAdvice(error, texts, host);
        case PortProblem::Vanished:
            return program ? texts.UiText("PortAdvice",
                                          "The cable was unplugged or the adapter reset: check the "
                                          "plug and press Retry.")
                           : texts.UiText("PortAdvice",
                                          "The cable was unplugged or the adapter reset: check the "
                                          "plug and run the command again.");
        case PortProblem::None:
        case PortProblem::Other:
            break;
    }
    return {};
}

QString PortErrorMessage(const QString& portLabel, const PortError& error, const UiTexts& texts,
                         AdviceReader reader, HostSystem host) {
    QString message = portLabel + QStringLiteral(": ") + error.systemText;
    const QString advice = PortAdvice(error, texts, reader, host);
    if (!advice.isEmpty()) message += QLatin1Char('\n') + advice;
    return message;
}

}  // namespace qv
