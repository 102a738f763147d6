#include "platform/port_probe.h"

#include <QElapsedTimer>
#include <QThread>

#include "platform/link_settings.h"
#include "platform/serial_link.h"
#include "platform/serial_port_map.h"

namespace qv {

namespace {

PortProbe* g_installed = nullptr;

constexpr char kProbeText[] = "ATI1\r";
constexpr int kProbeWaitMs = 200;

}  // namespace

PortProbe& CurrentPortProbe() {
    static SerialPortProbe real;
    return g_installed ? *g_installed : real;
}

void SetPortProbe(PortProbe* probe) {
    g_installed = probe;
}

bool SerialPortProbe::PortUsable(int port) {
    SerialLink link;
    if (!link.Open(PortDeviceName(port, RadioIniFolder()), PortTestLineSettings())) return false;
    QElapsedTimer sent;
    sent.start();
    if (!link.Write(QByteArray(kProbeText)) || !link.WaitWritten(kProbeWaitMs)) return false;
    // The dialog waits for the port before it goes on to the next one.
    while (sent.elapsed() < kProbeWaitMs) QThread::msleep(5);
    link.Close();
    return true;
}

}  // namespace qv
