#include "platform/serial_port_map.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>
#include <optional>

#include "platform/ini_file.h"

namespace qv {

namespace {

bool IsUsbAdapter(const QString& name) {
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM")) ||
           name.startsWith(QLatin1String("cu.usbserial"));
}

}  // namespace

QStringList OrderedSerialDevices(QStringList deviceNames) {
    std::stable_sort(deviceNames.begin(), deviceNames.end(),
                     [](const QString& a, const QString& b) {
                         const bool usbA = IsUsbAdapter(a);
                         const bool usbB = IsUsbAdapter(b);
                         if (usbA != usbB) return usbA;
                         return a < b;
                     });
    return deviceNames;
}

int ComPortNumber(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^COM([0-9]{1,2})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch()) return 0;
    const int port = match.captured(1).toInt();
    return port >= kFirstComPort && port <= kLastComPort ? port : 0;
}

namespace {

// The serial devices present, as full paths, in port order.
QStringList PresentDevices() {
    QStringList present;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        present << info.portName();
    }
    present = OrderedSerialDevices(present);
    for (QString& device : present) {
        if (!device.startsWith('/')) device.prepend(QStringLiteral("/dev/"));
    }
    return present;
}

// `present` caches the look at the system; it is filled at the first port Radio.INI does not name.
QString DeviceOf(int port, const QString& iniFolder, std::optional<QStringList>& present) {
    const QString comName = QStringLiteral("COM%1").arg(port);
#ifdef Q_OS_WIN
    Q_UNUSED(iniFolder);
    Q_UNUSED(present);
    return comName;
#else
    const QString named = GetIniValue(QStringLiteral("Ports"), comName, RadioIniPath(iniFolder));
    if (!named.isEmpty()) return named;
    if (!present) present = PresentDevices();
    return port <= present->size() ? present->at(port - 1) : QString();
#endif
}

}  // namespace

QString PortDeviceName(int port, const QString& iniFolder) {
    if (port < kFirstComPort || port > kLastComPort) return {};
    std::optional<QStringList> present;
    return DeviceOf(port, iniFolder, present);
}

QStringList PortDeviceNames(const QString& iniFolder) {
    std::optional<QStringList> present;
    QStringList devices;
    for (int port = kFirstComPort; port <= kLastComPort; ++port) {
        devices << DeviceOf(port, iniFolder, present);
    }
    return devices;
}

bool LooksLikeComPort(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^COM[0-9]+$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(text.trimmed()).hasMatch();
}

QString PortLabel(int port, const QString& device) {
    const QString comName = QStringLiteral("COM%1").arg(port);
    if (device.isEmpty() || device.compare(comName, Qt::CaseInsensitive) == 0) return comName;
    return QStringLiteral("%1 (%2)").arg(comName, device);
}

QString ResolvePortArgument(const QString& text, const QString& iniFolder) {
    const int port = ComPortNumber(text);
    return port ? PortDeviceName(port, iniFolder) : text;
}

}  // namespace qv
