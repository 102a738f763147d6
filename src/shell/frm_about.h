// frmAbout: the About box with the product name, "Programming SoftWare" and the version.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace qv {

class AppContext;

// The maker's web page, opened by a click on the visible labels.
inline const char* kMakerWebAddress = "https://qv730.example.org/";

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    // The web page opens through the context's browser.
    explicit FrmAbout(const AppContext& context, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const AppContext& context_;
    std::array<QLabel*, 4> lblAbout_{};
    QPushButton* cmdOK_;
};

}  // namespace qv
