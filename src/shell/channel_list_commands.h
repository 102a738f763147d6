// The File menu's "Print Channel List..." and "Export Channel List (PDF)...": the channel list
// page on paper through the platform's print dialog, or as a PDF file.
#pragma once

#include <QString>

#include "data/radio_image.h"
#include "language/ui_language.h"

class QWidget;

namespace qv {

class AppContext;

// The print preview of the page; its Print button opens the platform's print dialog.
void PreviewChannelList(QWidget* parent, const RadioData& data, const QString& fileName,
                        const UiTexts& texts);

// Asks where to put the PDF (offering `suggestedPath`) and writes it there; the folder chosen
// becomes the one last used. A failure is shown and leaves any file of that name as it was.
// The path written, "" when nothing was written.
QString ExportChannelListPdf(QWidget* parent, const AppContext& context, const RadioData& data,
                             const QString& fileName, const QString& suggestedPath);

}  // namespace qv
