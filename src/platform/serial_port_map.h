// Which serial device stands behind port number n (COM1 to COM16). On Windows it is "COMn".
// Elsewhere the section [Ports] of Radio.INI may name it ("COM1=/dev/ttyUSB0"); without an entry
// the ports are the serial devices present, USB adapters first, then the others, each group in
// name order.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/port_enumerator.h"

namespace qv {

constexpr int kFirstComPort = 1;
constexpr int kLastComPort = 16;

// The devices present in the order ports are numbered when Radio.INI names none.
QStringList OrderedSerialDevices(QStringList deviceNames);

// One of COM1 to COM16 and the device behind it.
struct PortEntry {
    int port = 0;
    QString device;                        // "" when the port has none
    std::optional<SerialDeviceInfo> info;  // what the system reports of it, when it lists it
};

// COM1 to COM16 in one look at the system. `iniFolder` holds Radio.INI.
std::vector<PortEntry> ListPorts(
    const QString& iniFolder, const PortEnumerator& enumerator = SystemPortEnumerator::Instance());
// The port whose device `device` is, or 0 when no port names it.
int PortOfDevice(const std::vector<PortEntry>& ports, const SerialDeviceInfo& device);

// The device of port n, or "" when there is none.
QString PortDeviceName(int port, const QString& iniFolder,
                       const PortEnumerator& enumerator = SystemPortEnumerator::Instance());
// The devices of COM1 to COM16 in one look at the system ("" where there is none).
QStringList PortDeviceNames(const QString& iniFolder,
                            const PortEnumerator& enumerator = SystemPortEnumerator::Instance());

// The port number of a "COMn" text (any case, n from 1 to 16), or 0.
int ComPortNumber(const QString& text);

// True for any "COMn" text, also one outside COM1 to COM16 (which names no port).
bool LooksLikeComPort(const QString& text);

// What a user typed for a port: "COMn" is looked up as above, anything else is a device path.
QString ResolvePortArgument(const QString& text, const QString& iniFolder,
                            const PortEnumerator& enumerator = SystemPortEnumerator::Instance());

// How messages name a port: "COM3 (/dev/ttyUSB0)", or "COM3" alone where the device has that name
// (Windows) or there is none.
QString PortLabel(int port, const QString& device);

}  // namespace qv
