// Why a port could not be used, sorted into the cases a user can do something about: no device,
// no permission, held by another program, gone during a transfer.
#pragma once

#include <QSerialPort>
#include <QString>

#include "platform/serial_adapter.h"

namespace qv {

enum class PortProblem {
    None,              // the port works
    NoDevice,          // nothing behind the port: no cable, or another port
    PermissionDenied,  // the device is there, this user may not open it
    Busy,              // another program holds the device
    Vanished,          // the device went away during a transfer (unplugged, adapter reset)
    Other,             // anything else: only the system's own text is shown
};

struct PortError {
    PortProblem problem = PortProblem::None;
    QString device;      // the device the port opened or tried to
    QString systemText;  // the platform's own description, shown as it is
    DeviceState state;   // the device as the file system saw it after the failure

    bool Failed() const { return problem != PortProblem::None; }
};

// The system the advice is for: on Windows a port held elsewhere reports "access denied", and the
// programs that hold ports are other ones.
enum class HostSystem { Unix, Windows };
#ifdef Q_OS_WIN
constexpr HostSystem kThisHost = HostSystem::Windows;
#else
constexpr HostSystem kThisHost = HostSystem::Unix;
#endif

// A port that did not open. Qt reports a refused device and a locked or busy one alike as a
// permission error; whether this user may open the device at all tells them apart.
PortProblem ClassifyOpenFailure(const QString& device, QSerialPort::SerialPortError error,
                                const DeviceState& state, HostSystem host = kThisHost);

// A port that failed while a transfer ran on it.
PortProblem ClassifyTransferFailure(QSerialPort::SerialPortError error, const DeviceState& state,
                                    HostSystem host = kThisHost);

}  // namespace qv
