#include "shell/frm_about.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "context/app_context.h"
#include "language/ui_language.h"

namespace qv {

FrmAbout::FrmAbout(const AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), cmdOK_(new QPushButton(this)) {
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);  // the next "miAbout" builds a fresh box
    setWindowTitle(context_.texts().UiText("About", "About"));
    setWindowIcon(QIcon(":/icons/qv730.png"));

    for (int i = 0; i < 4; ++i) {
        lblAbout_[i] = new QLabel(this);
        lblAbout_[i]->setObjectName(QStringLiteral("lblAbout_%1").arg(i));
        lblAbout_[i]->setAlignment(Qt::AlignCenter);
        lblAbout_[i]->installEventFilter(this);
    }
    lblAbout_[0]->setText(QStringLiteral("%1 %2 V%3")
                              .arg(AppTitle(),
                                   context_.texts().UiText("About", "Programming SoftWare"),
                                   QStringLiteral(QV730_VERSION)));
    QFont big = lblAbout_[0]->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    lblAbout_[0]->setFont(big);
    lblAbout_[1]->setText(kMakerWebAddress);
    lblAbout_[1]->hide();
    lblAbout_[2]->setText(QStringLiteral("QV Radio"));
    lblAbout_[2]->hide();
    lblAbout_[3]->setText(context_.texts().UiText(
        "About", "Programs the channels and settings of the QV-730 two-way radio."));
    for (int i : {0, 3}) lblAbout_[i]->setCursor(Qt::PointingHandCursor);

    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setText(context_.texts().UiText("About", "O&K"));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/icons/qv730.png").pixmap(64, 64));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    auto* texts = new QVBoxLayout;
    for (QLabel* label : lblAbout_) texts->addWidget(label);
    top->addLayout(texts, 1);
    layout->addLayout(top);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    layout->addLayout(buttons);
}

bool FrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (QLabel* label : lblAbout_) {
            if (watched == label) context_.OpenUrl(lblAbout_[1]->text());
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qv
