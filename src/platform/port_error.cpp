#include "platform/port_error.h"

namespace qv {

PortProblem ClassifyOpenFailure(const QString& device, QSerialPort::SerialPortError error,
                                const DeviceState& state, HostSystem host) {
    if (device.isEmpty() || error == QSerialPort::DeviceNotFoundError) return PortProblem::NoDevice;
    const bool refused = error == QSerialPort::PermissionError || error == QSerialPort::OpenError;
    if (host == HostSystem::Windows) return refused ? PortProblem::Busy : PortProblem::Other;
    if (!state.exists) return PortProblem::NoDevice;
    if (!refused) return PortProblem::Other;
    return state.accessible ? PortProblem::Busy : PortProblem::PermissionDenied;
}

PortProblem ClassifyTransferFailure(QSerialPort::SerialPortError error, const DeviceState& state,
                                    HostSystem host) {
    // Qt reports a device taken away from under an open port as a resource error.
    if (error == QSerialPort::ResourceError || error == QSerialPort::DeviceNotFoundError) {
        return PortProblem::Vanished;
    }
    if (host == HostSystem::Unix && !state.exists) return PortProblem::Vanished;
    return PortProblem::Other;
}

}  // namespace qv
