// ports [--ini-dir FOLDER]: COM1 to COM16 as the port dialog numbers them, each port that has a
// device with what the system says of it and whether it can be opened now; then, for each port
// that cannot, what to do about it.
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

#include "link/clone.h"
#include "link_command.h"
#include "platform/port_description.h"
#include "platform/serial_link.h"

namespace qv::cli {
namespace {

const QString kUsage = QStringLiteral("ports [--ini-dir FOLDER]");

struct PortLine {
    QStringList cells;
    QString advice;
};

// Opens the device as a transfer would, without sending a byte, and closes it again.
PortError TryOpen(const QString& device, const UiTexts& texts) {
    SerialLink link(texts);
    if (!link.Open(device, CloneLineSettings(), kCloneReceiveBufferBytes, false)) {
        return link.LastError();
    }
    link.Close();
    return {};
}

void PrintTable(const QList<QStringList>& rows) {
    QList<int> widths(rows.first().size(), 0);
    for (const QStringList& row : rows) {
        for (int c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], int(row[c].size()));
    }
    for (const QStringList& row : rows) {
        QString line;
        for (int c = 0; c < row.size(); ++c) {
            line += c + 1 < row.size() ? row[c].leftJustified(widths[c] + 2) : row[c];
        }
        std::printf("%s\n", line.trimmed().toLocal8Bit().constData());
    }
}

int RunPorts(const QStringList& args) {
    QCommandLineParser parser;
    const CommandSyntax syntax{.usage = kUsage, .options = {IniDirOption()}};
    if (const auto exit = ParseArguments(parser, args, syntax)) return *exit;
    const UiTexts texts;
    QList<QStringList> rows{{"port", "device", "description", "USB id", "serial number", "opens"}};
    QStringList advice;
    for (const PortEntry& entry : ListPorts(IniFolder(parser))) {
        if (entry.device.isEmpty()) continue;
        SerialDeviceInfo info = entry.info.value_or(SerialDeviceInfo{});
        const QString serialNumber = info.serialNumber;
        info.serialNumber.clear();  // a column of its own
        const PortError error = TryOpen(entry.device, texts);
        const QString port = QStringLiteral("COM%1").arg(entry.port);
        rows << QStringList{
            port,
            entry.device,
            DeviceDescription(info, texts, false),
            UsbIds(info),
            serialNumber,
            error.Failed() ? QStringLiteral("no: ") + error.systemText : QStringLiteral("yes")};
        const QString line = PortAdvice(error, texts, AdviceReader::CommandLine);
        if (!line.isEmpty()) advice << port + QStringLiteral(": ") + line;
    }
    if (rows.size() == 1) {
        std::printf(
            "No port from COM1 to COM16 has a serial device: plug the cable in, or name its "
            "device in Radio.INI, section [Ports] (COM1=/dev/ttyUSB0).\n");
        return 0;
    }
    PrintTable(rows);
    if (!advice.isEmpty()) std::printf("\n%s\n", advice.join('\n').toLocal8Bit().constData());
    return 0;
}

const CliRegistration kPorts({"ports", kUsage,
                              "the ports COM1 to COM16 that have a device: the device, what the "
                              "system says of it, its USB ids and whether it opens now",
                              RunPorts});

}  // namespace
}  // namespace qv::cli
