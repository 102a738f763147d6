#include "link_dialogs/frm_clone.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "compare/image_differences.h"
#include "context/app_context.h"
#include "desktop/prompts.h"
#include "language/ui_language.h"
#include "link_driver/radio_backups.h"
#include "platform/port_advice.h"
#include "platform/serial_port_map.h"
#include "platform/settings_store.h"
#include "widgets/twips.h"

namespace qv {

namespace {

constexpr int kWidthTwips = 5400;
constexpr int kButtonWidthTwips = 1200;

// The write dialog's check boxes as the settings store keeps them; both are on at first.
const char* const kBackupFirstValue = "BackupBeforeWrite";
const char* const kVerifyValue = "VerifyAfterWrite";

}  // namespace

FrmClone::FrmClone(RadioData& data, AppContext& context, const LinkTiming& timing, QWidget* parent)
    : QDialog(parent),
      data_(data),
      context_(context),
      port_(context.texts(), context.MakeSerialAdapter()),
      backupFolder_(DefaultBackupFolder()) {
    setObjectName("frmClone");
    setModal(true);

    sendTimer_ = new QTimer(this);
    sendTimer_->setObjectName("TmrSend");
    receiveTimer_ = new QTimer(this);
    receiveTimer_->setObjectName("TmrReceive");
    driver_ = new CloneDriver(data.image, port_, *sendTimer_, *receiveTimer_, this);
    sequence_ = new WriteSequence(*driver_, this);
    driver_->engine().Timing = timing;

    status_ = new QLabel(this);
    status_->setObjectName("Label1");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("Prg1");
    progress_->setRange(0, 100);
    backupFirst_ = new QCheckBox(this);
    backupFirst_->setObjectName("ChkBackup");
    verifyAfter_ = new QCheckBox(this);
    verifyAfter_->setObjectName("ChkVerify");
    ok_ = new QPushButton(this);
    ok_->setObjectName("Command1");
    cancel_ = new QPushButton(this);
    cancel_->setObjectName("Command2");
    for (QPushButton* button : {ok_, cancel_}) {
        button->setMinimumWidth(TwipsToPixels(kButtonWidthTwips));
        button->setAutoDefault(false);
    }
    ok_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addWidget(backupFirst_);
    layout->addWidget(verifyAfter_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(TwipsToPixels(kWidthTwips));

    connect(ok_, &QPushButton::clicked, this, &FrmClone::Start);
    connect(cancel_, &QPushButton::clicked, this, &FrmClone::reject);
    connect(backupFirst_, &QCheckBox::toggled, this, &FrmClone::RememberChoices);
    connect(verifyAfter_, &QCheckBox::toggled, this, &FrmClone::RememberChoices);
    connect(driver_, &CloneDriver::progressChanged, this, [this](double percent) {
        if (Reading()) OnProgress(percent);
    });
    connect(driver_, &CloneDriver::completed, this, [this] {
        if (Reading()) OnCompleted();
    });
    connect(driver_, &CloneDriver::failed, this, [this] {
        if (Reading()) OnFailed();
    });
    connect(sequence_, &WriteSequence::progressChanged, this, &FrmClone::OnProgress);
    connect(sequence_, &WriteSequence::stepStarted, this, &FrmClone::OnStepStarted);
    connect(sequence_, &WriteSequence::finished, this, &FrmClone::OnWriteFinished);
    Display();
}

void FrmClone::Display() {
    const UiTexts& texts = context_.texts();
    setWindowTitle(Reading() ? texts.UiText("CloneDialog", "Read Data From Radio")
                             : texts.UiText("CloneDialog", "Write Data To Radio"));
    ok_->setText(texts.UiText("CloneDialog", "&Ok"));
    cancel_->setText(texts.UiText("Common", "&Cancel"));
    status_->setText(texts.UiText("CloneDialog", "Press [OK] to Begin"));
    progress_->setValue(0);
    // Every showing of the dialog can start one transfer.
    ok_->setEnabled(true);
    // The check boxes belong to a write; they show what the user chose last time.
    backupFirst_->setText(texts.UiText("CloneDialog", "Back up the radio first"));
    verifyAfter_->setText(texts.UiText("CloneDialog", "Verify after writing"));
    {
        const QSignalBlocker backupBlocker(backupFirst_);
        const QSignalBlocker verifyBlocker(verifyAfter_);
        backupFirst_->setChecked(context_.settings().GetUserFlag(kBackupFirstValue, true));
        verifyAfter_->setChecked(context_.settings().GetUserFlag(kVerifyValue, true));
    }
    for (QCheckBox* box : {backupFirst_, verifyAfter_}) {
        box->setVisible(!Reading());
        box->setEnabled(true);
    }
    adjustSize();
}

void FrmClone::RememberChoices() {
    context_.settings().SetUserFlag(kBackupFirstValue, backupFirst_->isChecked());
    context_.settings().SetUserFlag(kVerifyValue, verifyAfter_->isChecked());
}

void FrmClone::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) Display();
    QDialog::showEvent(event);
}

bool FrmClone::OpenPort() {
    port_.Close();
    const QString device =
        PortDeviceName(context_.ComPort(), context_.IniFolder(), context_.portEnumerator());
    if (port_.Open(device, CloneLineSettings(), kCloneReceiveBufferBytes)) return true;
    // "COM3 (/dev/ttyUSB0): Permission denied": which port, then why, then what to do.
    const QString text = PortErrorMessage(PortLabel(context_.ComPort(), device), port_.LastError(),
                                          context_.texts(), AdviceReader::Program);
    context_.prompts().Message(this,
                               {text, AppTitle(), PromptIcon::Exclamation, PromptButtons::Ok});
    return false;
}

void FrmClone::Start() {
    if (!OpenPort()) {
        reject();
        return;
    }
    ok_->setEnabled(false);
    if (Reading()) {
        status_->setText(context_.texts().UiText("CloneDialog", "Reading..."));
        CloneEngine& engine = driver_->engine();
        engine.SetImage(data_.image);
        engine.CloneMode = mode_;
        engine.FirstRow = firstRow_;
        engine.LastRow = lastRow_;
        driver_->Begin();
        return;
    }
    backupFirst_->setEnabled(false);
    verifyAfter_->setEnabled(false);
    tally_ = RadioTally{};
    tally_.verify = verifyAfter_->isChecked();
    StartRadio();
}

void FrmClone::StartRadio() {
    WriteOptions options;
    options.backupFirst = backupFirst_->isChecked();
    options.verify = verifyAfter_->isChecked();
    options.sessionGapMs = driver_->engine().Timing.SessionGapMs;
    options.backupFolder = backupFolder_;
    progress_->setValue(0);
    sequence_->Start(data_.image, options);
}

void FrmClone::OnStepStarted(RadioStep step) {
    QString changes;
    if (step == RadioStep::Write && sequence_->HasBackup()) {
        lastBackupPath_ = sequence_->BackupPath();
        // What this write changes on the radio whose backup was just read.
        changes = ChangeCountText(
            DescribeDifferences(sequence_->Backup(), sequence_->Plan(), context_.texts()),
            context_.texts());
    }
    status_->setText(StepText(step, context_.texts(), changes));
}

void FrmClone::OnProgress(double percent) {
    progress_->setValue(static_cast<int>(std::lround(percent)));
}

void FrmClone::OnCompleted() {
    // The next start preselects the port that worked.
    context_.settings().SetLastComPort(context_.ComPort());
    QString text = context_.texts().UiText("CloneDialog", "Reading Complete!");
    // Every complete read is kept, whether or not the user saves it.
    const BackupResult backup = SaveBackup(backupFolder_, data_.image);
    if (backup.ok) {
        lastBackupPath_ = backup.path;
    } else {
        text += QStringLiteral("\n\n") +
                context_.texts().UiText("CloneDialog", "The backup could not be saved:") +
                QStringLiteral("\n") + backup.error;
    }
    context_.prompts().Message(this,
                               {text, AppTitle(), PromptIcon::Information, PromptButtons::Ok});
    accept();
}

QString FrmClone::PortFailureText(const PortError& portError) {
    if (!portError.Failed()) return QString();
    // A port that failed under the transfer (a cable pulled out) is named with what to do; it is
    // closed at once so that the adapter, plugged in again, gets its old device name back.
    port_.Close();
    return QLatin1Char('\n') + PortErrorMessage(PortLabel(context_.ComPort(), portError.device),
                                                portError, context_.texts(), AdviceReader::Program);
}

void FrmClone::OnFailed() {
    const PortError portError = port_.LastError();
    const QString text =
        context_.texts().UiText("CloneDialog", "Connection Fail!") + PortFailureText(portError);
    const PromptAnswer answer = context_.prompts().Message(
        this,
        {text, AppTitle(), PromptIcon::Critical, PromptButtons::RetryCancel, PromptAnswer::Retry});
    if (answer == PromptAnswer::Retry && isVisible()) {
        // The transfer starts over from the handshake and the first row, on the port that stayed
        // open or, after a port failure, on the port opened again.
        if (portError.Failed() && !OpenPort()) {
            reject();
            return;
        }
        driver_->Begin();
        return;
    }
    reject();
}

void FrmClone::OnWriteFinished(WriteVerdict verdict) {
    const UiTexts& texts = context_.texts();
    if (Succeeded(verdict)) {
        // The next start preselects the port that worked.
        context_.settings().SetLastComPort(context_.ComPort());
        tally_.verdicts.push_back(verdict);
        QString text = VerdictText(verdict, texts);
        if (tally_.verdicts.size() > 1) text += QStringLiteral("\n\n") + TallyText(tally_, texts);
        const PromptAnswer answer = context_.prompts().Message(
            this, {text, AppTitle(), PromptIcon::Information, PromptButtons::OkAnotherRadio});
        if (answer != PromptAnswer::AnotherRadio || !isVisible()) {
            accept();
            return;
        }
        // The port stays open; the same data goes onto the radio connected next.
        const PromptAnswer next = context_.prompts().Message(
            this,
            {NextRadioText(texts), AppTitle(), PromptIcon::Information, PromptButtons::OkCancel});
        if (next != PromptAnswer::Ok || !isVisible()) {
            accept();
            return;
        }
        StartRadio();
        return;
    }

    QStringList differences;
    if (verdict == WriteVerdict::Differs) {
        differences = DescribeDifferences(sequence_->Plan(), sequence_->ReadBack(), texts).Lines();
    }
    const bool connectionFailed =
        verdict == WriteVerdict::BackupFailed || verdict == WriteVerdict::WriteFailed;
    // Once a radio of this plan is done, a failed one may be put aside for the next.
    const bool inRun = !tally_.verdicts.empty();
    // A port that failed under the transfer is named with what to do, and opened again for
    // whatever comes next.
    const PortError portError = port_.LastError();
    const QString text = VerdictText(verdict, texts, differences, sequence_->BackupError()) +
                         (connectionFailed ? PortFailureText(portError) : QString());
    const PromptAnswer answer = context_.prompts().Message(
        this, {text, AppTitle(),
               connectionFailed || verdict == WriteVerdict::Differs ? PromptIcon::Critical
                                                                    : PromptIcon::Exclamation,
               inRun ? PromptButtons::RetryAnotherRadioCancel : PromptButtons::RetryCancel,
               PromptAnswer::Retry});
    if (!isVisible()) return;
    if (answer != PromptAnswer::Cancel && connectionFailed && portError.Failed() && !OpenPort()) {
        reject();
        return;
    }
    if (answer == PromptAnswer::Retry) {
        sequence_->Retry();
        return;
    }
    tally_.verdicts.push_back(verdict);
    if (answer == PromptAnswer::AnotherRadio) {
        const PromptAnswer next = context_.prompts().Message(
            this,
            {NextRadioText(texts), AppTitle(), PromptIcon::Information, PromptButtons::OkCancel});
        if (next == PromptAnswer::Ok && isVisible()) {
            StartRadio();
            return;
        }
    }
    EndRun();
}

void FrmClone::EndRun() {
    if (tally_.verdicts.size() > 1) {
        context_.prompts().Message(this, {TallyText(tally_, context_.texts()), AppTitle(),
                                          PromptIcon::Information, PromptButtons::Ok});
    }
    // A write that did not end verified on every radio is no success.
    reject();
}

void FrmClone::done(int result) {
    sequence_->Stop();
    driver_->Stop();
    port_.Close();
    QDialog::done(result);
}

}  // namespace qv
