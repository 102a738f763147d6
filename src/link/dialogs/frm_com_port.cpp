#include "link/dialogs/frm_com_port.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "context/app_context.h"
#include "language/ui_language.h"
#include "platform/port_probe.h"
#include "platform/serial_port_map.h"
#include "widgets/twips.h"

namespace qv {

namespace {

constexpr int kColumns = 4;
constexpr int kButtonWidthTwips = 1200;

}  // namespace

FrmComPort::FrmComPort(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("frmComPort");
    setModal(true);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    options_ = new QButtonGroup(this);
    auto* grid = new QGridLayout(Frame1);
    for (int i = 0; i < int(Option1.size()); ++i) {
        Option1[i] = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), Frame1);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        options_->addButton(Option1[i], i);
        grid->addWidget(Option1[i], i / kColumns, i % kColumns);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        Command1[i] = new QPushButton(this);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->setMinimumWidth(TwipsToPixels(kButtonWidthTwips));
        buttons->addWidget(Command1[i]);
    }
    Command1[0]->setDefault(true);
    connect(Command1[0], &QPushButton::clicked, this, &FrmComPort::accept);
    connect(Command1[1], &QPushButton::clicked, this, &FrmComPort::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
}

void FrmComPort::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormLoad();
    QDialog::showEvent(event);
}

void FrmComPort::FormLoad() {
    const QString title = context_.texts().UiText("ComPortDialog", "Communication Port");
    setWindowTitle(title);
    Frame1->setTitle(title);
    Command1[0]->setText(context_.texts().UiText("Common", "&OK"));
    Command1[1]->setText(context_.texts().UiText("Common", "&Cancel"));
    const QStringList devices = PortDeviceNames(context_.AppFolder());
    for (int i = 0; i < int(Option1.size()); ++i) {
        const int port = i + 1;
        Option1[i]->setText(QStringLiteral("COM%1").arg(port));
        Option1[i]->setToolTip(devices.value(i));
        Option1[i]->setEnabled(context_.portProbe().PortUsable(port));
    }
    // The port in use stays selected even when it cannot be opened now.
    Option1[context_.ComPort() - 1]->setChecked(true);
}

void FrmComPort::accept() {
    const int selected = options_->checkedId();
    if (selected >= 0) context_.SetComPort(selected + 1);
    QDialog::accept();
}

}  // namespace qv
