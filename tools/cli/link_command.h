// What read and write share: their options, the port lookup and the progress lines on stderr.
#pragma once

#include <QCoreApplication>
#include <QMap>
#include <cstdio>
#include <functional>

#include "cli_command.h"
#include "platform/serial_port_map.h"

namespace qv::cli {

// "--name value" pairs and the plain arguments among them. False when an option lacks its value
// or is not one of `known`.
inline bool ParseOptions(const QStringList& args, const QStringList& known,
                         QMap<QString, QString>& options, QStringList& plain) {
    for (int i = 0; i < args.size(); ++i) {
        if (!args[i].startsWith('-')) {
            plain << args[i];
            continue;
        }
        if (!known.contains(args[i]) || i + 1 >= args.size()) return false;
        options[args[i]] = args[i + 1];
        ++i;
    }
    return true;
}

// The folder whose Radio.INI gives the timing and the [Ports] names.
inline QString IniFolder(const QMap<QString, QString>& options) {
    return options.value("--ini-dir", QCoreApplication::applicationDirPath());
}

// The device of "COMn" or a device path, or "" after an error line.
inline QString PortDevice(const QString& port, const QString& iniFolder) {
    const QString device = ResolvePortArgument(port, iniFolder);
    if (device.isEmpty()) Fail(QStringLiteral("%1: no serial device for this port").arg(port));
    return device;
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

}  // namespace qv::cli
