#include "editors/channel/csv/csv_text.h"

namespace qv::csv {

QString QuoteField(const QString& field) {
    const bool needsQuotes = field.contains(u',') || field.contains(u'"') ||
                             field.contains(u'\n') || field.contains(u'\r');
    if (!needsQuotes) return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray WriteRecords(const std::vector<QStringList>& records) {
    QString text;
    for (const QStringList& record : records) {
        QStringList quoted;
        for (const QString& field : record) quoted << QuoteField(field);
        text += quoted.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

std::vector<Record> ReadRecords(const QByteArray& bytes, QString& error, const UiTexts& texts) {
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    std::vector<Record> records;
    Record current{1, {}};
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    int quoteLine = 0;
    auto endField = [&] {
        current.fields << field;
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        const bool blank = current.fields.size() == 1 && current.fields[0].isEmpty();
        if (!blank) records.push_back(current);
        current = Record{line + 1, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n') ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else if (c == u',') {
            endField();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;  // the LF ends the record
        } else if (c == u'\n' || c == u'\r') {
            endRecord();
            ++line;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        error = texts.UiText("ChannelCsv", "line %1: a quoted field is not closed").arg(quoteLine);
        return {};
    }
    if (fieldStarted || !current.fields.isEmpty() || !field.isEmpty()) endRecord();
    return records;
}

}  // namespace qv::csv
