// frmComPort: the modal dialog that chooses the serial port (COM1 to COM16) of the clone dialog.
// Each time it opens it lists what stands behind every port, tests every port and greys out
// those that cannot be used. Find My Cable watches for the cable being plugged in and selects
// its port.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "platform/port_error.h"
#include "platform/serial_port_map.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qv {

class AppContext;
class CableFinder;
struct SerialDeviceInfo;

class FrmComPort : public QDialog {
    Q_OBJECT
public:
    // The ports, their probe and the port in use come from `context`.
    explicit FrmComPort(AppContext& context, QWidget* parent = nullptr);

    // Texts in the current language, every port described and tested, the button of ComPort
    // selected.
    void FormLoad();

    void accept() override;  // OK: ComPort becomes the selected port
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Lists and tests the ports again; the selection stays.
    void RefreshPorts();
    void FindCable();
    void OnCableAppeared(const SerialDeviceInfo& device);
    void OnNothingAppeared();
    void OnWatching(int remainingMs);

    AppContext& context_;
    QGroupBox* frame_;                             // Frame1
    std::array<QRadioButton*, 16> portOptions_{};  // Option1(0..15)
    QButtonGroup* options_;
    QPushButton* findCable_;                 // cmdFindCable
    QLabel* findCableStatus_;                // lblFindCable
    std::array<QPushButton*, 2> buttons_{};  // Command1(0) OK, Command1(1) Cancel
    CableFinder* finder_;
    std::vector<PortEntry> ports_;
    std::array<PortError, 16> problems_{};
};

}  // namespace qv
