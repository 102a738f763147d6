// The channel list page as a PDF file's bytes.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv {

// One A4 page in the language of `texts`; empty when the PDF could not be made.
QByteArray ChannelListPdf(const RadioData& data, const QString& fileName, const QDate& date,
                          const UiTexts& texts);

}  // namespace qv
