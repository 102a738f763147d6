#include "print/channel_list_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPdfWriter>
#include <QTextDocument>

#include "language/ui_language.h"
#include "print/channel_list_page.h"
#include "print/pdf_text_map.h"

namespace qv {

QByteArray ChannelListPdf(const RadioData& data, const QString& fileName, const QDate& date,
                          const UiTexts& texts) {
    std::unique_ptr<QTextDocument> document;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(texts.UiText("ChannelList", "QV-730 Channel List") + QStringLiteral(" - ") +
                        fileName);
        writer.setCreator(AppTitle());
        writer.setResolution(600);
        PrepareA4(writer);
        document = BuildChannelListDocument(DescribeChannelList(data, fileName, date, texts));
        const bool painted = PaintOnOnePage(*document, writer);
        document->documentLayout()->setPaintDevice(nullptr);  // the writer goes first
        if (!painted) return {};
    }
    MendCjkTextMap(bytes, document->toPlainText(), document->defaultFont());
    return bytes;
}

}  // namespace qv
