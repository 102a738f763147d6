#include "link/dialogs/frm_clone.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "context/app_context.h"
#include "language/ui_language.h"
#include "platform/desktop/prompts.h"
#include "platform/serial_port_map.h"
#include "widgets/twips.h"

namespace qv {

namespace {

constexpr int kWidthTwips = 5400;
constexpr int kButtonWidthTwips = 1200;

}  // namespace

FrmClone::FrmClone(RadioData& data, AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), port_(context.texts()) {
    setObjectName("frmClone");
    setModal(true);

    TmrSend = new QTimer(this);
    TmrSend->setObjectName("TmrSend");
    TmrReceive = new QTimer(this);
    TmrReceive->setObjectName("TmrReceive");
    driver_ = new CloneDriver(data.image, port_, *TmrSend, *TmrReceive, this);
    SetRecvInterval(context_.linkTiming.RecvInterval);
    SetRecvLimit(context_.linkTiming.RecvLimit);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Prg1 = new QProgressBar(this);
    Prg1->setObjectName("Prg1");
    Prg1->setRange(0, 100);
    Command1 = new QPushButton(this);
    Command1->setObjectName("Command1");
    Command2 = new QPushButton(this);
    Command2->setObjectName("Command2");
    for (QPushButton* button : {Command1, Command2}) {
        button->setMinimumWidth(TwipsToPixels(kButtonWidthTwips));
        button->setAutoDefault(false);
    }
    Command1->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Prg1);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(TwipsToPixels(kWidthTwips));

    connect(Command1, &QPushButton::clicked, this, &FrmClone::Start);
    connect(Command2, &QPushButton::clicked, this, &FrmClone::reject);
    connect(driver_, &CloneDriver::progressChanged, this, &FrmClone::OnProgress);
    connect(driver_, &CloneDriver::completed, this, &FrmClone::OnCompleted);
    connect(driver_, &CloneDriver::failed, this, &FrmClone::OnFailed);
    Display();
}

void FrmClone::Display() {
    setWindowTitle(Reading() ? context_.texts().UiText("CloneDialog", "Read Data From Radio")
                             : context_.texts().UiText("CloneDialog", "Write Data To Radio"));
    Command1->setText(context_.texts().UiText("CloneDialog", "&Ok"));
    Command2->setText(context_.texts().UiText("Common", "&Cancel"));
    Label1->setText(context_.texts().UiText("CloneDialog", "Press [OK] to Begin"));
    Prg1->setValue(0);
    // Every showing of the dialog can start one transfer.
    Command1->setEnabled(true);
}

void FrmClone::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) Display();
    QDialog::showEvent(event);
}

void FrmClone::Start() {
    port_.Close();
    const QString device = PortDeviceName(context_.ComPort(), context_.AppFolder());
    if (!port_.Open(device, CloneLineSettings(), kCloneReceiveBufferBytes)) {
        // "COM3 (/dev/ttyUSB0): No such file or directory": which port, then why.
        const QString text =
            PortLabel(context_.ComPort(), device) + QStringLiteral(": ") + port_.ErrorText();
        context_.prompts().Message(this,
                                   {text, AppTitle(), PromptIcon::Exclamation, PromptButtons::Ok});
        reject();
        return;
    }
    Label1->setText(Reading() ? context_.texts().UiText("CloneDialog", "Reading...")
                              : context_.texts().UiText("CloneDialog", "Writing..."));
    driver_->Begin();
    Command1->setEnabled(false);
}

void FrmClone::OnProgress(double percent) {
    Prg1->setValue(static_cast<int>(std::lround(percent)));
}

void FrmClone::OnCompleted() {
    const QString text = Reading() ? context_.texts().UiText("CloneDialog", "Reading Complete!")
                                   : context_.texts().UiText("CloneDialog", "Writing Complete!");
    context_.prompts().Message(this,
                               {text, AppTitle(), PromptIcon::Information, PromptButtons::Ok});
    accept();
}

void FrmClone::OnFailed() {
    const PromptAnswer answer = context_.prompts().Message(
        this, {context_.texts().UiText("CloneDialog", "Connection Fail!"), AppTitle(),
               PromptIcon::Critical, PromptButtons::RetryCancel, PromptAnswer::Retry});
    if (answer == PromptAnswer::Retry && isVisible()) {
        // The port stays open; the transfer starts over from the handshake and the first row.
        driver_->Begin();
        return;
    }
    reject();
}

void FrmClone::done(int result) {
    driver_->Stop();
    port_.Close();
    QDialog::done(result);
}

}  // namespace qv
