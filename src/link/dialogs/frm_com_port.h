// frmComPort: the modal dialog that chooses the serial port (COM1 to COM16) of the clone dialog.
// Each time it opens it tests every port and greys out those that cannot be used.
#pragma once

#include <QDialog>
#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace qv {

class AppContext;

class FrmComPort : public QDialog {
    Q_OBJECT
public:
    // The ports, their probe and the port in use come from `context`.
    explicit FrmComPort(AppContext& context, QWidget* parent = nullptr);

    // Texts in the current language, every port tested, the button of ComPort selected.
    void FormLoad();

    void accept() override;  // OK: ComPort becomes the selected port

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& context_;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 16> Option1{};
    QButtonGroup* options_;
    std::array<QPushButton*, 2> Command1{};
};

}  // namespace qv
