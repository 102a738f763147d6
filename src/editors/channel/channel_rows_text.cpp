#include "editors/channel/channel_rows_text.h"

#include <QRegularExpression>
#include <vector>

#include "editors/channel/csv/channel_csv.h"
#include "editors/channel/csv/csv_text.h"
#include "language/ui_language.h"

namespace qv {

using namespace channel;

namespace {

// Fields holding a tab, a quote or a line break are quoted, quotes inside doubled.
QString TabField(const QString& field) {
    if (!field.contains(u'\t') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r')) {
        return field;
    }
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// Lines of tab-separated fields, quoted fields as spreadsheets write them; blank lines dropped.
std::vector<QStringList> ReadTabbed(const QString& text) {
    std::vector<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    auto endRecord = [&] {
        fields << field;
        field.clear();
        bool blank = true;
        for (const QString& f : fields) blank = blank && f.trimmed().isEmpty();
        if (!blank) records.push_back(fields);
        fields.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u'\t') {
            fields << field;
            field.clear();
        } else if (c == u'\n') {
            endRecord();
        } else if (c != u'\r') {
            field += c;
        }
    }
    if (!field.isEmpty() || !fields.isEmpty()) endRecord();
    return records;
}

// The column a header names, in either language; -1 for none.
int HeaderColumn(const QString& name) {
    for (int column = 0; column < kTableColumns; ++column) {
        if (name == HeaderTextIn(Language::English, column) ||
            name == HeaderTextIn(Language::Chinese, column)) {
            return column;
        }
    }
    return -1;
}

bool IsHeaderLine(const QStringList& fields) {
    for (const QString& field : fields) {
        const int column = HeaderColumn(field.trimmed());
        if (column == kColRxFreq || column == kColNumber) return true;
    }
    return false;
}

}  // namespace

QString ChannelRowsText(const ChannelTable& table, const RadioData& data, const QList<int>& rows) {
    RadioData scratch = data;
    table.SaveInto(scratch.image);
    QString error;
    const std::vector<csv::Record> records = csv::ReadRecords(ExportChannelsCsv(scratch), error);
    QStringList lines;
    for (std::size_t i = 0; i < records.size(); ++i) {
        // Record 0 is the header line, record n channel n.
        if (i != 0 && !rows.contains(static_cast<int>(i))) continue;
        QStringList fields;
        for (const QString& field : records[i].fields) fields << TabField(field);
        lines << fields.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

ChannelPasteResult PasteChannelRows(ChannelTable& table, const RadioData& data, int firstRow,
                                    const QString& text) {
    std::vector<QStringList> lines = ReadTabbed(text);
    QStringList header;
    if (!lines.empty() && IsHeaderLine(lines.front())) {
        for (const QString& name : lines.front()) {
            const int column = HeaderColumn(name.trimmed());
            header << (column >= 0 ? HeaderTextIn(Language::English, column) : name.trimmed());
        }
        lines.erase(lines.begin());
    } else {
        for (int column = 0; column < kTableColumns; ++column) {
            header << HeaderTextIn(Language::English, column);
        }
        // Without a header the fields go by position: a line too short to reach RX Freq. is no
        // channel row, and taking it as one would delete the channel it lands on.
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].size() <= kColRxFreq) {
                return {false,
                        QStringLiteral("channel %1: the line has %2 fields, too few to reach "
                                       "column \"%3\" (copied channels have %4)")
                            .arg(firstRow + static_cast<int>(i))
                            .arg(lines[i].size())
                            .arg(HeaderTextIn(Language::English, kColRxFreq))
                            .arg(kTableColumns),
                        {}};
            }
        }
    }
    if (lines.empty()) return {false, QStringLiteral("the text holds no channels"), {}};
    const int room = kChannelRows - firstRow + 1;
    if (static_cast<int>(lines.size()) > room) {
        return {false,
                QStringLiteral("the text holds %1 channels; from channel %2 on only %3 fit")
                    .arg(lines.size())
                    .arg(firstRow)
                    .arg(room),
                {}};
    }

    // The channel numbers are where the rows land, whatever the text says.
    const QString numberHeader = HeaderTextIn(Language::English, kColNumber);
    qsizetype numberField = header.indexOf(numberHeader);
    if (numberField < 0) {
        header << numberHeader;
        numberField = header.size() - 1;
    }
    std::vector<QStringList> csvRecords{header};
    ChannelPasteResult result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QStringList fields = lines[i];
        while (fields.size() < header.size()) fields << QString();
        const int row = firstRow + static_cast<int>(i);
        fields[numberField] = QString::number(row);
        csvRecords.push_back(fields);
        result.rows << row;
    }

    RadioData scratch = data;
    table.SaveInto(scratch.image);
    const CsvImportResult imported = ImportChannelsCsv(csv::WriteRecords(csvRecords), scratch);
    if (!imported.ok) {
        // "line N" of the CSV built here is the (N - 1)th pasted channel.
        static const QRegularExpression line(QStringLiteral("^line (\\d+)"));
        QString error = imported.error;
        const QRegularExpressionMatch match = line.match(error);
        if (match.hasMatch()) {
            const int number = match.captured(1).toInt();
            error.replace(0, match.capturedLength(),
                          number >= 2 ? QStringLiteral("channel %1").arg(firstRow + number - 2)
                                      : QStringLiteral("header line"));
        }
        return {false, error, {}};
    }
    table.TakeChannels(scratch.image, result.rows);
    return result;
}

}  // namespace qv
