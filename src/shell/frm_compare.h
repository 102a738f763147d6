// The Compare With File window: what differs from the data in the program to a file, one line
// per channel cell, setting or row of bytes, in the editors' words and the current language.
#pragma once

#include <QDialog>

#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv {

class FrmCompare : public QDialog {
    Q_OBJECT
public:
    FrmCompare(const RadioImage& program, const RadioImage& file, const QString& filePath,
               const UiTexts& texts, QWidget* parent = nullptr);
};

}  // namespace qv
