#include "link_dialogs/frm_com_port.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "context/app_context.h"
#include "language/ui_language.h"
#include "platform/cable_finder.h"
#include "platform/port_advice.h"
#include "platform/port_description.h"
#include "platform/port_probe.h"
#include "widgets/twips.h"

namespace qv {

namespace {

constexpr int kButtonWidthTwips = 1200;
constexpr int kStatusWidthTwips = 7200;

}  // namespace

FrmComPort::FrmComPort(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("frmComPort");
    setModal(true);

    frame_ = new QGroupBox(this);
    frame_->setObjectName("Frame1");
    options_ = new QButtonGroup(this);
    // One port a line: a port's device and its description need the width.
    auto* list = new QVBoxLayout(frame_);
    for (int i = 0; i < int(portOptions_.size()); ++i) {
        portOptions_[i] = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), frame_);
        portOptions_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        options_->addButton(portOptions_[i], i);
        list->addWidget(portOptions_[i]);
    }

    finder_ = new CableFinder(context_.portEnumerator(), this);
    connect(finder_, &CableFinder::appeared, this, &FrmComPort::OnCableAppeared);
    connect(finder_, &CableFinder::nothingAppeared, this, &FrmComPort::OnNothingAppeared);
    connect(finder_, &CableFinder::watching, this, &FrmComPort::OnWatching);
    findCable_ = new QPushButton(this);
    findCable_->setObjectName("cmdFindCable");
    findCable_->setAutoDefault(false);
    connect(findCable_, &QPushButton::clicked, this, &FrmComPort::FindCable);
    findCableStatus_ = new QLabel(this);
    findCableStatus_->setObjectName("lblFindCable");
    findCableStatus_->setWordWrap(true);
    findCableStatus_->setMinimumWidth(TwipsToPixels(kStatusWidthTwips));
    // Room for two lines, so the list does not move when a longer answer comes.
    findCableStatus_->setMinimumHeight(2 * findCableStatus_->fontMetrics().lineSpacing());
    auto* find = new QHBoxLayout;
    find->addWidget(findCable_, 0, Qt::AlignTop);
    find->addWidget(findCableStatus_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        buttons_[i] = new QPushButton(this);
        buttons_[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        buttons_[i]->setMinimumWidth(TwipsToPixels(kButtonWidthTwips));
        buttons->addWidget(buttons_[i]);
    }
    buttons_[0]->setDefault(true);
    connect(buttons_[0], &QPushButton::clicked, this, &FrmComPort::accept);
    connect(buttons_[1], &QPushButton::clicked, this, &FrmComPort::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addLayout(find);
    layout->addLayout(buttons);
}

void FrmComPort::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormLoad();
    QDialog::showEvent(event);
}

void FrmComPort::FormLoad() {
    const UiTexts& texts = context_.texts();
    const QString title = texts.UiText("ComPortDialog", "Communication Port");
    setWindowTitle(title);
    frame_->setTitle(title);
    buttons_[0]->setText(texts.UiText("Common", "&OK"));
    buttons_[1]->setText(texts.UiText("Common", "&Cancel"));
    findCable_->setText(texts.UiText("ComPortDialog", "Find My Cable"));
    findCable_->setEnabled(true);
    finder_->Stop();
    findCableStatus_->setText(texts.UiText(
        "ComPortDialog", "Unplug the cable, press Find My Cable, then plug the cable in."));
    RefreshPorts();
    // The port in use stays selected even when it cannot be opened now.
    portOptions_[context_.ComPort() - 1]->setChecked(true);
}

void FrmComPort::RefreshPorts() {
    const UiTexts& texts = context_.texts();
    ports_ = ListPorts(context_.IniFolder(), context_.portEnumerator());
    for (int i = 0; i < int(portOptions_.size()); ++i) {
        const PortEntry& entry = ports_[i];
        problems_[i] = context_.portProbe().TestPort(entry.port, entry.device);
        const PortError& problem = problems_[i];
        QString caption = PortCaption(entry, texts);
        QString tip = entry.device;
        // A device that is there but cannot be opened says why, and what to do about it.
        if (problem.Failed() && !entry.device.isEmpty() && !problem.systemText.isEmpty()) {
            caption += QStringLiteral(" \u2014 ") + problem.systemText;
            const QString advice = PortAdvice(problem, texts, AdviceReader::Program);
            tip += QLatin1Char('\n') + problem.systemText;
            if (!advice.isEmpty()) tip += QLatin1Char('\n') + advice;
        }
        portOptions_[i]->setText(caption);
        portOptions_[i]->setToolTip(tip);
        portOptions_[i]->setEnabled(!problem.Failed());
    }
}

void FrmComPort::FindCable() {
    findCable_->setEnabled(false);
    finder_->Start();
}

void FrmComPort::OnWatching(int remainingMs) {
    const int seconds = (remainingMs + 999) / 1000;
    findCableStatus_->setText(
        context_.texts()
            .UiText("ComPortDialog", "Plug the cable in now. Watching for %1 s...")
            .arg(seconds));
}

void FrmComPort::OnCableAppeared(const SerialDeviceInfo& device) {
    const UiTexts& texts = context_.texts();
    findCable_->setEnabled(true);
    RefreshPorts();
    const int port = PortOfDevice(ports_, device);
    if (!port) {
#ifdef Q_OS_WIN
        const char* outside = QT_TRANSLATE_NOOP(
            "ComPortDialog",
            "A device appeared (%1), but none of COM1 to COM16 stands for it: give it one of "
            "these numbers in the Device Manager.");
#else
        const char* outside = QT_TRANSLATE_NOOP(
            "ComPortDialog",
            "A device appeared (%1), but none of COM1 to COM16 stands for it: name it in "
            "Radio.INI, section [Ports], as COMn=%1.");
#endif
        findCableStatus_->setText(
            texts.UiText("ComPortDialog", outside).arg(device.systemLocation));
        return;
    }
    portOptions_[port - 1]->setChecked(true);
    const PortEntry& entry = ports_[port - 1];
    QString found = texts.UiText("ComPortDialog", "Your cable is on COM%1: %2.")
                        .arg(port)
                        .arg(PortDeviceText(entry, texts));
    const PortError& problem = problems_[port - 1];
    if (problem.Failed()) {
        found += QLatin1Char('\n') + PortErrorMessage(PortLabel(port, entry.device), problem, texts,
                                                      AdviceReader::Program);
    }
    findCableStatus_->setText(found);
}

void FrmComPort::OnNothingAppeared() {
    findCable_->setEnabled(true);
    findCableStatus_->setText(context_.texts().UiText(
        "ComPortDialog",
        "No new serial device appeared. Check the cable's plug, unplug the cable, press Find My "
        "Cable and plug it in again."));
}

void FrmComPort::accept() {
    const int selected = options_->checkedId();
    if (selected >= 0) context_.SetComPort(selected + 1);
    QDialog::accept();
}

void FrmComPort::done(int result) {
    finder_->Stop();
    QDialog::done(result);
}

}  // namespace qv
