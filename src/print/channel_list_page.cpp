#include "print/channel_list_page.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>

#include "codecs/tone.h"
#include "editors/audio/audio_settings_model.h"
#include "editors/channel/channel_table.h"
#include "editors/key/side_button_model.h"
#include "editors/setting/general_settings_model.h"
#include "language/ui_language.h"

namespace qv {

namespace {

// The columns of the paper list, in the channel table's numbering.
constexpr int kPrintedColumns[] = {channel::kColNumber, channel::kColName,   channel::kColRxFreq,
                                   channel::kColRxTone, channel::kColTxFreq, channel::kColTxTone,
                                   channel::kColScan};

constexpr qreal kBodyPoints = 10;
constexpr qreal kTitlePoints = 18;
constexpr qreal kHeadingPoints = 12;
constexpr qreal kMarginMillimetres = 15;

ChannelListContent::Section SectionOf(const QString& title, const SettingTexts& settings) {
    ChannelListContent::Section section{title, {}};
    for (const SettingText& setting : settings)
        section.lines.emplace_back(setting.caption, setting.value);
    return section;
}

// A cell as the paper shows it: tones as "88.5 Hz" or "D023N", without the tone list's entry
// numbers, which mean nothing away from the screen.
QString PrintedCell(const ChannelTable& table, int row, int column, const UiTexts& texts) {
    if (column != channel::kColRxTone && column != channel::kColTxTone) {
        return table.Cell(row, column);
    }
    const ChannelRecord& record = table.Record(row);
    if (column == channel::kColTxTone && !record.tx) return QString();
    const Tone& tone = column == channel::kColRxTone ? record.rxTone : record.txTone;
    const QString text = ToneText(tone, texts);
    return tone.kind == ToneKind::Ctcss ? text + QStringLiteral(" Hz") : text;
}

QFont BodyFont(qreal points, bool bold = false) {
    QFont font;
    // A Latin font first: a CJK font shapes Latin digits after letters ("QV-730") into glyphs the
    // PDF's text map cannot name, so they would not copy or search. Chinese falls back to CJK.
    font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QTextCharFormat CharFormat(qreal points, bool bold = false) {
    QTextCharFormat format;
    format.setFont(BodyFont(points, bold));
    return format;
}

// Frame sizes are in pixels at 96 dpi; the layout scales them to the device it is given.
QTextTableFormat GridFormat(bool ruled) {
    QTextTableFormat format;
    format.setCellPadding(ruled ? 3 : 1.5);
    format.setCellSpacing(0);
    format.setBorder(ruled ? 0.7 : 0);
    format.setBorderBrush(QColor(0x80, 0x80, 0x80));
    format.setBorderStyle(ruled ? QTextFrameFormat::BorderStyle_Solid
                                : QTextFrameFormat::BorderStyle_None);
    format.setBorderCollapse(ruled);  // one thin rule between cells, not two
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    return format;
}

// The rule around a cell of a collapsed table.
QTextTableCellFormat RuledCell() {
    QTextTableCellFormat format;
    format.setBorder(0.7);
    format.setBorderBrush(QColor(0x80, 0x80, 0x80));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    return format;
}

void PutCell(QTextTable* table, int row, int column, const QString& text,
             const QTextCharFormat& format) {
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    // Every line of a cell is as high as the others, whichever font its characters come from,
    // so rows with Chinese are no taller than the rest.
    QTextBlockFormat line;
    line.setLineHeight(format.font().pointSizeF() * 1.4 * 96 / 72, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(line);
    cursor.insertText(text, format);  // plain text: a name such as "<b>" stays as typed
}

void InsertChannels(QTextCursor& cursor, const ChannelListContent& content) {
    const int columns = int(content.headers.size());
    QTextTableFormat format = GridFormat(true);
    format.setHeaderRowCount(1);
    // Number narrow, name wide, the rest shared.
    format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 8),
                                      QTextLength(QTextLength::PercentageLength, 13),
                                      QTextLength(QTextLength::PercentageLength, 14),
                                      QTextLength(QTextLength::PercentageLength, 19),
                                      QTextLength(QTextLength::PercentageLength, 14),
                                      QTextLength(QTextLength::PercentageLength, 19),
                                      QTextLength(QTextLength::PercentageLength, 13)});
    QTextTable* table = cursor.insertTable(int(content.channels.size()) + 1, columns, format);
    const QTextCharFormat header = CharFormat(kBodyPoints, true);
    const QTextCharFormat body = CharFormat(kBodyPoints);
    for (int column = 0; column < columns; ++column) {
        QTextTableCellFormat shaded = RuledCell();
        shaded.setBackground(QColor(0xE8, 0xE8, 0xE8));
        table->cellAt(0, column).setFormat(shaded);
        PutCell(table, 0, column, content.headers[column], header);
    }
    for (int row = 0; row < int(content.channels.size()); ++row) {
        const QStringList& cells = content.channels[row];
        for (int column = 0; column < columns; ++column) {
            table->cellAt(row + 1, column).setFormat(RuledCell());
            if (column < cells.size()) PutCell(table, row + 1, column, cells[column], body);
        }
    }
    cursor.movePosition(QTextCursor::End);
}

// A section heading and its caption/value lines, at the cursor (a cell of the outer table).
void InsertSection(QTextCursor cursor, const ChannelListContent::Section& section) {
    QTextBlockFormat spaced;
    spaced.setBottomMargin(2);
    cursor.setBlockFormat(spaced);
    cursor.insertText(section.title, CharFormat(kHeadingPoints, true));
    QTextTableFormat format = GridFormat(false);
    format.setBottomMargin(12);  // room before the next section below
    QTextTable* lines = cursor.insertTable(int(section.lines.size()), 2, format);
    const QTextCharFormat caption = CharFormat(kBodyPoints);
    const QTextCharFormat value = CharFormat(kBodyPoints, true);
    for (int row = 0; row < int(section.lines.size()); ++row) {
        PutCell(lines, row, 0, section.lines[row].first, caption);
        PutCell(lines, row, 1, section.lines[row].second, value);
    }
}

// The sections in two columns: general and side buttons on the left, audio on the right.
void InsertSections(QTextCursor& cursor, const ChannelListContent& content) {
    QTextTableFormat format = GridFormat(false);
    format.setCellPadding(0);
    format.setTopMargin(12);
    format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 52),
                                      QTextLength(QTextLength::PercentageLength, 48)});
    QTextTable* outer = cursor.insertTable(1, 2, format);
    const int count = int(content.sections.size());
    for (int i = 0; i < count; ++i) {
        // Sections 0 and 2 go left, 1 right.
        const int column = i == 1 ? 1 : 0;
        QTextCursor at = outer->cellAt(0, column).lastCursorPosition();
        InsertSection(at, content.sections[i]);
    }
    cursor.movePosition(QTextCursor::End);
}

}  // namespace

ChannelListContent DescribeChannelList(const RadioData& data, const QString& fileName,
                                       const QDate& date, const UiTexts& texts) {
    RadioData copy = data;  // the table and the models work in place; the page changes nothing
    ChannelListContent content;
    content.title = texts.UiText("ChannelList", "QV-730 Channel List");
    content.fileLine = texts.UiText("ChannelList", "File: %1").arg(fileName);
    content.dateLine = texts.UiText("ChannelList", "Date: %1").arg(date.toString(Qt::ISODate));

    ChannelTable table(copy, texts);
    table.RefreshAll();
    for (int column : kPrintedColumns) content.headers << channel::HeaderText(column, texts);
    for (int row = 1; row < channel::kTableRows; ++row) {
        QStringList cells;
        if (table.IsEmptyChannel(row)) {
            cells << table.Cell(row, channel::kColNumber);
        } else {
            for (int column : kPrintedColumns) cells << PrintedCell(table, row, column, texts);
        }
        content.channels.push_back(cells);
    }
    content.sections.push_back(SectionOf(GeneralSettingsModel::TitleText(texts),
                                         GeneralSettingsModel(copy.image).Describe(texts)));
    content.sections.push_back(SectionOf(AudioSettingsModel::TitleText(texts),
                                         AudioSettingsModel(copy.image).Describe(texts)));
    content.sections.push_back(
        SectionOf(SideButtonModel::TitleText(texts), SideButtonModel(copy.image).Describe(texts)));
    return content;
}

std::unique_ptr<QTextDocument> BuildChannelListDocument(const ChannelListContent& content) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(BodyFont(kBodyPoints));
    document->setDocumentMargin(0);
    QTextCursor cursor(document.get());
    cursor.insertText(content.title, CharFormat(kTitlePoints, true));
    QTextBlockFormat meta;
    meta.setBottomMargin(8);
    cursor.insertBlock(meta);
    cursor.insertText(content.fileLine + QStringLiteral("        ") + content.dateLine,
                      CharFormat(kBodyPoints));
    cursor.insertBlock();
    InsertChannels(cursor, content);
    InsertSections(cursor, content);
    return document;
}

void PrepareA4(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
}

bool PaintOnOnePage(QTextDocument& document, QPagedPaintDevice& device) {
    // Laid out in the device's own units, as QTextDocument::print does.
    document.documentLayout()->setPaintDevice(&device);
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    document.setPageSize(QSizeF(page.width(), 1e9));  // one tall page: no breaks
    document.setTextWidth(page.width());
    const QSizeF size = document.documentLayout()->documentSize();
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const qreal scale = std::min<qreal>(1.0, page.height() / std::max<qreal>(1.0, size.height()));
    painter.scale(scale, scale);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, 0), QSizeF(page.width(), page.height()) / scale);
    document.documentLayout()->draw(&painter, context);
    return painter.end();
}

}  // namespace qv
