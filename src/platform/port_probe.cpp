#include "platform/port_probe.h"

#include <QElapsedTimer>
#include <QThread>

#include "platform/serial_link.h"

namespace qv {

namespace {

constexpr char kProbeText[] = "ATI1\r";
constexpr int kProbeWaitMs = 200;

}  // namespace

PortError SerialPortProbe::TestPort(int, const QString& device) {
    // The port dialog shows the reason beside the port in its own language; the system's text is
    // shown as the system gives it.
    const UiTexts texts;
    SerialLink link(texts, adapters_ ? adapters_() : nullptr);
    if (!link.Open(device, PortTestLineSettings(), 0, false)) return link.LastError();
    QElapsedTimer sent;
    sent.start();
    if (!link.Write(QByteArray(kProbeText)) || !link.WaitWritten(kProbeWaitMs)) {
        PortError error = link.LastError();
        if (!error.Failed()) error = {PortProblem::Other, device, link.ErrorText(), {}};
        return error;
    }
    // The dialog waits for the port before it goes on to the next one.
    while (sent.elapsed() < kProbeWaitMs) QThread::msleep(5);
    link.Close();
    return {};
}

}  // namespace qv
