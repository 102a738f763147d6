// Comma-separated text as RFC 4180 writes it: fields with a comma, a quote or a line break are
// quoted, quotes inside are doubled, records end in CR LF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "language/ui_language.h"

namespace qv::csv {

struct Record {
    int line = 0;  // the line of the file the record starts on (1-based)
    QStringList fields;
};

QString QuoteField(const QString& field);
QByteArray WriteRecords(const std::vector<QStringList>& records);

// Splits UTF-8 text (with or without a byte-order mark, CR LF or LF line ends) into records;
// blank lines are skipped. On an unterminated quoted field, error names the line and nothing is
// returned.
// `error` is in the language of `texts`.
std::vector<Record> ReadRecords(const QByteArray& text, QString& error,
                                const UiTexts& texts = UiTexts());

}  // namespace qv::csv
