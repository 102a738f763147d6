// The File menu's "Print Channel List..." and "Export Channel List (PDF)...": the channel list
// page on paper through the platform's print dialog, or as a PDF file.
#pragma once

#include <QString>

#include "data/radio_image.h"

class QWidget;

namespace qv {

// The print preview of the page; its Print button opens the platform's print dialog.
void PreviewChannelList(QWidget* parent, const RadioData& data, const QString& fileName);

// Asks where to put the PDF (offering `suggestedPath`) and writes it there. A failure is shown
// and leaves any file of that name as it was. False when nothing was written.
bool ExportChannelListPdf(QWidget* parent, const RadioData& data, const QString& fileName,
                          const QString& suggestedPath);

}  // namespace qv
