#include "shell/channel_list_commands.h"

#include <QDate>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

#include "context/app_context.h"
#include "data/atomic_file.h"
#include "data/data_file.h"
#include "desktop/prompts.h"
#include "print/channel_list_page.h"
#include "print/channel_list_pdf.h"
#include "shell/last_folder.h"

namespace qv {

namespace {

void ShowError(QWidget* parent, Prompts& prompts, const QString& text) {
    prompts.Message(parent, {text, AppTitle(), PromptIcon::Exclamation, PromptButtons::Ok});
}

}  // namespace

void PreviewChannelList(QWidget* parent, const RadioData& data, const QString& fileName,
                        const UiTexts& texts) {
    const ChannelListContent content =
        DescribeChannelList(data, fileName, QDate::currentDate(), texts);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(content.title + QStringLiteral(" - ") + fileName);
    PrepareA4(printer);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("ChannelListPreview");
    preview.setWindowTitle(texts.UiText("ChannelList", "Print Channel List"));
    // Room to read the page, not the dialog's postage-stamp default.
    if (parent) preview.resize(parent->window()->size().expandedTo(QSize(800, 700)));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&content](QPrinter* target) {
                         const auto document = BuildChannelListDocument(content);
                         PaintOnOnePage(*document, *target);
                     });
    preview.exec();
}

QString ExportChannelListPdf(QWidget* parent, const AppContext& context, const RadioData& data,
                             const QString& fileName, const QString& suggestedPath) {
    const UiTexts& texts = context.texts();
    Prompts& prompts = context.prompts();
    const QString path = prompts.SaveFileName(
        parent, {texts.UiText("ChannelList", "Export Channel List (PDF)"), suggestedPath,
                 texts.UiText("ChannelList", "PDF Files (*.pdf)")});
    if (path.isEmpty()) return QString();
    RememberUsedFolder(context.settings(), path);
    const QByteArray pdf = ChannelListPdf(data, fileName, QDate::currentDate(), texts);
    if (pdf.isEmpty()) {
        ShowError(parent, prompts, texts.UiText("ChannelList", "The PDF could not be made."));
        return QString();
    }
    const SaveResult saved = WriteFileAtomically(
        path, reinterpret_cast<const std::uint8_t*>(pdf.constData()), std::size_t(pdf.size()));
    if (!saved.ok) {
        ShowError(parent, prompts, SaveFailureText(path, saved.error, texts));
        return QString();
    }
    return path;
}

}  // namespace qv
