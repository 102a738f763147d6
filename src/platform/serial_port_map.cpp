#include "platform/serial_port_map.h"

#include <QFileInfo>
#include <QRegularExpression>
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

// The device path of a present device: its place under /dev where the system gives only a name.
QString DevicePath(const SerialDeviceInfo& info) {
    if (info.portName.startsWith('/')) return info.portName;
#ifdef Q_OS_WIN
    return info.portName;
#else
    return QStringLiteral("/dev/") + info.portName;
#endif
}

// The serial devices present, in port order.
QList<SerialDeviceInfo> PresentDevices(const PortEnumerator& enumerator) {
    QList<SerialDeviceInfo> present = enumerator.AvailablePorts();
    QStringList names;
    for (const SerialDeviceInfo& info : present) names << info.portName;
    const QStringList ordered = OrderedSerialDevices(names);
    QList<SerialDeviceInfo> inOrder;
    for (const QString& name : ordered) {
        const auto it = std::find_if(present.begin(), present.end(),
                                     [&](const SerialDeviceInfo& d) { return d.portName == name; });
        inOrder << *it;
        present.erase(it);
    }
    return inOrder;
}

// True when `device` (a path or a Windows name) is the device `info` describes. A link such as
// the virtual radio's is followed to what it names.
bool SameDevice(const QString& device, const SerialDeviceInfo& info) {
    if (device.isEmpty()) return false;
    if (device == info.systemLocation || device == info.portName || device == DevicePath(info)) {
        return true;
    }
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(DevicePath(info)).canonicalFilePath();
}

// The device of port n: Radio.INI's [Ports] entry, else the n-th device present ("COMn" itself
// on Windows).
QString DeviceOf(int port, const QString& iniFolder, const QList<SerialDeviceInfo>& present) {
    const QString comName = QStringLiteral("COM%1").arg(port);
#ifdef Q_OS_WIN
    Q_UNUSED(iniFolder);
    Q_UNUSED(present);
    return comName;
#else
    const QString named = GetIniValue(QStringLiteral("Ports"), comName, RadioIniPath(iniFolder));
    if (!named.isEmpty()) return named;
    return port <= present.size() ? DevicePath(present.at(port - 1)) : QString();
#endif
}

}  // namespace

std::vector<PortEntry> ListPorts(const QString& iniFolder, const PortEnumerator& enumerator) {
    const QList<SerialDeviceInfo> present = PresentDevices(enumerator);
    std::vector<PortEntry> ports;
    for (int port = kFirstComPort; port <= kLastComPort; ++port) {
        PortEntry entry{port, DeviceOf(port, iniFolder, present), std::nullopt};
        for (const SerialDeviceInfo& info : present) {
            if (SameDevice(entry.device, info)) {
                entry.info = info;
                break;
            }
        }
        ports.push_back(entry);
    }
    return ports;
}

int PortOfDevice(const std::vector<PortEntry>& ports, const SerialDeviceInfo& device) {
    for (const PortEntry& entry : ports) {
        if (SameDevice(entry.device, device)) return entry.port;
    }
    return 0;
}

QString PortDeviceName(int port, const QString& iniFolder, const PortEnumerator& enumerator) {
    if (port < kFirstComPort || port > kLastComPort) return {};
#ifdef Q_OS_WIN
    return DeviceOf(port, iniFolder, {});
#else
    // The system is asked only when Radio.INI does not name the port.
    const QString comName = QStringLiteral("COM%1").arg(port);
    const QString named = GetIniValue(QStringLiteral("Ports"), comName, RadioIniPath(iniFolder));
    if (!named.isEmpty()) return named;
    return DeviceOf(port, iniFolder, PresentDevices(enumerator));
#endif
}

QStringList PortDeviceNames(const QString& iniFolder, const PortEnumerator& enumerator) {
    QStringList devices;
    for (const PortEntry& entry : ListPorts(iniFolder, enumerator)) devices << entry.device;
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

QString ResolvePortArgument(const QString& text, const QString& iniFolder,
                            const PortEnumerator& enumerator) {
    const int port = ComPortNumber(text);
    return port ? PortDeviceName(port, iniFolder, enumerator) : text;
}

}  // namespace qv
