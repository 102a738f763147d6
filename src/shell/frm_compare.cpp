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

    lblCompare = new QLabel(this);
    lblCompare->setObjectName("lblCompare");
    lblCompare->setWordWrap(true);
    const QString name = QDir::toNativeSeparators(QFileInfo(filePath).absoluteFilePath());
    lblCompare->setText(
        differences.Empty()
            ? texts.UiText("Backups", "The data in the program and %1 are the same.").arg(name)
            : texts.UiText("Backups", "From the data in the program to %1 (%2 differ):")
                  .arg(name, ChangeCountText(differences, texts)));
    LstDifferences = new QListWidget(this);
    LstDifferences->setObjectName("LstDifferences");
    LstDifferences->addItems(differences.Lines());
    cmdClose = new QPushButton(texts.UiText("Backups", "&Close"), this);
    cmdClose->setObjectName("cmdClose");
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCompare);
    layout->addWidget(LstDifferences);
    layout->addLayout(buttons);
    resize(720, 420);
}

}  // namespace qv
