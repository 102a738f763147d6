// What read and write share: their options, the port lookup and the progress lines on stderr.
#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <functional>
#include <optional>

#include "cli_command.h"
#include "link/clone.h"
#include "link_driver/clone_session.h"
#include "link_driver/link_settings.h"
#include "link_driver/radio_backups.h"
#include "platform/port_advice.h"
#include "platform/serial_port_map.h"

namespace qv::cli {

// The options read and write share.
inline QCommandLineOption PortOption() {
    return {"port", "the radio's port: COMn (Radio.INI's [Ports] may name its device) or a device",
            "PORT"};
}
inline QCommandLineOption IniDirOption() {
    return {"ini-dir",
            "the folder of the Radio.INI that gives the timing and the ports (default: the "
            "program's folder)",
            "FOLDER"};
}

inline QCommandLineOption BackupDirOption() {
    return {"backup-dir",
            "where the radio's backups are kept (default: the program's backups folder, as "
            "File > Open Radio Backup opens it)",
            "DIR"};
}
inline QString BackupFolder(const QCommandLineParser& parser) {
    return parser.isSet("backup-dir") ? parser.value("backup-dir") : DefaultBackupFolder();
}

// The folder whose Radio.INI gives the timing and the [Ports] names.
inline QString IniFolder(const QCommandLineParser& parser) {
    return parser.isSet("ini-dir") ? parser.value("ini-dir")
                                   : QCoreApplication::applicationDirPath();
}

// The device of "COMn" or a device path, or "" after an error line.
inline QString PortDevice(const QString& port, const QString& iniFolder) {
    if (LooksLikeComPort(port) && !ComPortNumber(port)) {
        Fail(QStringLiteral("%1 is not a port (COM%2 to COM%3)")
                 .arg(port.trimmed().toUpper())
                 .arg(kFirstComPort)
                 .arg(kLastComPort));
        return {};
    }
    const QString device = ResolvePortArgument(port, iniFolder);
    if (device.isEmpty()) {
        Fail(QStringLiteral("%1: no serial device for this port").arg(port));
        const PortError none{PortProblem::NoDevice, device, {}, {}};
        Fail(PortAdvice(none, UiTexts(), AdviceReader::CommandLine));
    }
    return device;
}

// How errors name the port: "COM3 (/dev/ttyUSB0)" when it was given as COMn, else the device.
inline QString PortLabelOf(const QString& port, const QString& device) {
    const int number = ComPortNumber(port);
    return number ? PortLabel(number, device) : device;
}

// After a failure line: where the port itself failed, its own text when that is not the line
// already printed, then the advice.
inline void PrintPortAdvice(const QString& label, const PortError& portError,
                            const QString& alreadyPrinted, const UiTexts& texts) {
    if (!portError.Failed()) return;
    if (portError.systemText != alreadyPrinted) {
        Fail(QStringLiteral("%1: %2").arg(label, portError.systemText));
    }
    const QString advice = PortAdvice(portError, texts, AdviceReader::CommandLine);
    if (!advice.isEmpty()) Fail(advice);
}

// A failed transfer: "COM3 (/dev/ttyUSB0): <why>", and where the port itself failed, its own text
// when that is not the line already printed, then the advice. Returns 1.
inline int FailTransfer(const QString& port, const CloneRequest& request,
                        const CloneResult& result) {
    const QString label = PortLabelOf(port, request.device);
    Fail(QStringLiteral("%1: %2").arg(label, result.error));
    PrintPortAdvice(label, result.portError, result.error, request.texts);
    return 1;
}

// Progress on stderr, one line for every tenth of the way.
inline std::function<void(double)> ProgressPrinter(const char* label) {
    return [label, shown = -1](double percent) mutable {
        const int tenth = int(percent) / 10;
        if (tenth == shown) return;
        shown = tenth;
        std::fprintf(stderr, "%s %3d%%\n", label, tenth * 10);
    };
}

// The transfer the options ask for: the port's device, the rows of the mode, the timing of
// Radio.INI and progress lines. Nothing (after an error line) when the port has no device.
inline std::optional<CloneRequest> LinkRequest(const QCommandLineParser& parser, CloneMode mode) {
    const QString iniFolder = IniFolder(parser);
    CloneRequest request;
    request.device = PortDevice(parser.value("port"), iniFolder);
    if (request.device.isEmpty()) return std::nullopt;
    const bool reading = mode == CloneMode::Read;
    request.CloneMode = mode;
    request.FirstRow = reading ? kReadFirstRow : kWriteFirstRow;
    request.LastRow = reading ? kReadLastRow : kWriteLastRow;
    request.timing = ReadLinkTiming(iniFolder);
    request.progress = ProgressPrinter(reading ? "Reading..." : "Writing...");
    return request;
}

}  // namespace qv::cli
