#include "platform/port_probe.h"

#include <QElapsedTimer>
#include <QThread>

#include "platform/serial_link.h"
#include "platform/serial_port_map.h"

namespace qv {

namespace {

constexpr char kProbeText[] = "ATI1\r";
constexpr int kProbeWaitMs = 200;

}  // namespace

bool SerialPortProbe::PortUsable(int port) {
    // Only whether the port opens matters here, so its failure text is never shown.
    const UiTexts texts;
    SerialLink link(texts);
    if (!link.Open(PortDeviceName(port, iniFolder_), PortTestLineSettings(), 0, false)) {
        return false;
    }
    QElapsedTimer sent;
    sent.start();
    if (!link.Write(QByteArray(kProbeText)) || !link.WaitWritten(kProbeWaitMs)) return false;
    // The dialog waits for the port before it goes on to the next one.
    while (sent.elapsed() < kProbeWaitMs) QThread::msleep(5);
    link.Close();
    return true;
}

}  // namespace qv
