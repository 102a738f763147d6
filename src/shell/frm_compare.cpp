#include "shell/frm_compare.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "compare/image_differences.h"

namespace qv {

FrmCompare::FrmCompare(const RadioImage& program, const RadioImage& file, const QString& filePath,
                       const UiTexts& texts, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmCompare");
    setWindowTitle(texts.UiText("Backups", "Compare With File"));
    const ImageDifferences differences = DescribeDifferences(program, file, texts);

    auto* summary = new QLabel(this);
    summary->setObjectName("lblCompare");
    summary->setWordWrap(true);
    const QString name = QDir::toNativeSeparators(QFileInfo(filePath).absoluteFilePath());
    summary->setText(
        differences.Empty()
            ? texts.UiText("Backups", "The data in the program and %1 are the same.").arg(name)
            : texts.UiText("Backups", "From the data in the program to %1 (%2 differ):")
                  .arg(name, ChangeCountText(differences, texts)));
    auto* differencesList = new QListWidget(this);
    differencesList->setObjectName("LstDifferences");
    differencesList->addItems(differences.Lines());
    auto* closeButton = new QPushButton(texts.UiText("Backups", "&Close"), this);
    closeButton->setObjectName("cmdClose");
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(differencesList);
    layout->addLayout(buttons);
    resize(720, 420);
}

}  // namespace qv
